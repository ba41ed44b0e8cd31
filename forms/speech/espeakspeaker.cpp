#include "forms/speech/espeakspeaker.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QMutexLocker>

#include "forms/speech/dutchvoice.h"

namespace forms {

namespace {

// Qt Multimedia reports a missing sound server on stderr; the switch's tooltip already
// says so, in one line of the program's own.
QtMessageHandler g_next = nullptr;
void quietAudio(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("PulseAudioService:"))) return;
  if (g_next) g_next(type, context, message);
}

}  // namespace

// Owns the voice and the audio sink; every member runs on the speaker's thread.
class EspeakSpeaker::Worker : public QObject {
 public:
  explicit Worker(EspeakSpeaker& owner) : m_owner(owner) {}

  QString prepare() {
    m_voice = std::make_unique<DutchVoice>();
    if (!m_voice->problem().isEmpty()) return m_voice->problem();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return QStringLiteral("deze computer heeft geen geluidsuitgang.");
    m_format.setSampleRate(m_voice->sampleRate());
    m_format.setChannelCount(1);
    m_format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(m_format))
      return QStringLiteral("de geluidsuitgang kan deze stem niet afspelen.");
    m_sink = std::make_unique<QAudioSink>(device, m_format);
    return {};
  }

  // Says the latest text, unless a newer request already replaced it.
  void sayLatest(quint64 generation) {
    if (!m_sink || generation != m_owner.m_generation) return;
    QString text;
    {
      QMutexLocker lock(&m_owner.m_mutex);
      text = m_owner.m_text;
    }
    m_sink->stop();
    const QByteArray pcm = m_voice->synthesize(
        text, [this, generation] { return generation != m_owner.m_generation; });
    if (generation != m_owner.m_generation) return;
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->setData(pcm);
    m_buffer->open(QIODevice::ReadOnly);
    m_sink->start(m_buffer.get());
  }

  void silence() {
    if (m_sink) m_sink->stop();
  }

  void finish() {
    silence();
    m_sink.reset();
    m_buffer.reset();
    m_voice.reset();
  }

 private:
  EspeakSpeaker& m_owner;
  std::unique_ptr<DutchVoice> m_voice;
  QAudioFormat m_format;
  std::unique_ptr<QAudioSink> m_sink;
  std::unique_ptr<QBuffer> m_buffer;
};

EspeakSpeaker::EspeakSpeaker() {
  m_thread.setObjectName(QStringLiteral("voorlezen"));
  m_worker = new Worker(*this);
  m_worker->moveToThread(&m_thread);
  QObject::connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
}

EspeakSpeaker::~EspeakSpeaker() {
  ++m_generation;
  if (m_thread.isRunning()) {
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->finish(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
  } else {
    delete m_worker;
  }
}

void EspeakSpeaker::start(std::function<void(const QString& problem)> ready) {
  static const bool quiet = [] {
    g_next = qInstallMessageHandler(quietAudio);
    return true;
  }();
  Q_UNUSED(quiet);
  m_thread.start(QThread::LowPriority);
  // The answer goes back to the UI thread through the application object's event queue.
  QMetaObject::invokeMethod(
      m_worker,
      [w = m_worker, ready = std::move(ready)] {
        const QString problem = w->prepare();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [ready, problem] { ready(problem); },
            Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
}

void EspeakSpeaker::speak(const QString& text) {
  {
    QMutexLocker lock(&m_mutex);
    m_text = text;
  }
  const quint64 generation = ++m_generation;
  QMetaObject::invokeMethod(
      m_worker, [w = m_worker, generation] { w->sayLatest(generation); }, Qt::QueuedConnection);
}

void EspeakSpeaker::silence() {
  ++m_generation;
  QMetaObject::invokeMethod(
      m_worker, [w = m_worker] { w->silence(); }, Qt::QueuedConnection);
}

}  // namespace forms

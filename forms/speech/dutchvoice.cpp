#include "forms/speech/dutchvoice.h"

#include <espeak-ng/espeak_ng.h>

#include <atomic>

namespace forms {

namespace {

// Children of six follow a little slower than espeak-ng's usual 175 words a minute.
constexpr int WordsPerMinute = 150;

std::atomic<bool> g_voiceExists{false};

struct Job {
  QByteArray pcm;
  const std::function<bool()>* cancelled;
};

int onSound(short* samples, int count, espeak_EVENT* events) {
  auto* job = static_cast<Job*>(events->user_data);
  if (samples && count > 0)
    job->pcm.append(reinterpret_cast<const char*>(samples),
                    static_cast<qsizetype>(count) * static_cast<qsizetype>(sizeof(short)));
  return (*job->cancelled && (*job->cancelled)()) ? 1 : 0;
}

// espeak-ng is set up once for the whole run: its library hangs when it is set up again
// after espeak_ng_Terminate, so it is never terminated. Empty, or why it cannot speak.
QString setUpOnce() {
  static const QString problem = [] {
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    if (espeak_ng_Initialize(&context) != ENS_OK) {
      espeak_ng_ClearErrorContext(&context);
      return QStringLiteral("er is geen stem ge\u00EFnstalleerd (espeak-ng-data).");
    }
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
      return QStringLiteral("de stem kan niet starten.");
    espeak_SetSynthCallback(onSound);
    return QString();
  }();
  return problem;
}

}  // namespace

DutchVoice::DutchVoice(const char* voiceName) {
  if (g_voiceExists.exchange(true)) {
    m_problem = QStringLiteral("de stem is al in gebruik.");
    return;
  }
  m_owner = true;
  m_problem = setUpOnce();
  if (!m_problem.isEmpty()) return;
  if (espeak_ng_SetVoiceByName(voiceName) != ENS_OK) {
    m_problem = QStringLiteral("er is geen Nederlandse stem ge\u00EFnstalleerd (espeak-ng-data).");
    return;
  }
  espeak_ng_SetParameter(espeakRATE, WordsPerMinute, 0);
  m_sampleRate = espeak_ng_GetSampleRate();
}

DutchVoice::~DutchVoice() {
  if (m_owner) g_voiceExists = false;
}

QByteArray DutchVoice::synthesize(const QString& text, const std::function<bool()>& cancelled) {
  if (!m_problem.isEmpty() || text.isEmpty()) return {};
  Job job{{}, &cancelled};
  const QByteArray utf8 = text.toUtf8();
  espeak_ng_Synthesize(utf8.constData(), static_cast<size_t>(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                       espeakCHARS_UTF8, nullptr, &job);
  return job.pcm;
}

}  // namespace forms

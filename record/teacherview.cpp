#include "record/teacherview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "forms/pictures.h"
#include "practice/progress.h"
#include "practice/session.h"
#include "record/classlisteditor.h"
#include "record/csv.h"
#include "record/database.h"
#include "record/exercises.h"
#include "record/practicestore.h"
#include "record/recorder.h"
#include "record/splitgrid.h"
#include "record/sync.h"
#include "record/teachermenu.h"

namespace {

constexpr int ExerciseIcon = 32;  // pixels

// The exercise's picture as the chooser shows it, drawn at the table's size.
QIcon exerciseIcon(const QString& key, const QWidget* on) {
  const QString resource = record::exercisePicture(key);
  if (resource.isEmpty()) return QIcon();
  return QIcon(forms::Picture::svg(resource).pixmap(QSize(ExerciseIcon, ExerciseIcon),
                                                    on->devicePixelRatioF()));
}

QString swatch(record::Knowledge k) {
  return QStringLiteral(
             "<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>&nbsp;%2")
      .arg(SplitGrid::colour(k).name(), SplitGrid::label(k));
}

QString legendText(const record::Thresholds& t) {
  const QString fast = QLocale(QLocale::Dutch).toString(double(t.fastMs) / 1000.0, 'f', 1);
  return QStringList{swatch(record::Knowledge::NotPractised), swatch(record::Knowledge::OftenWrong),
                     swatch(record::Knowledge::RightButSlow),
                     swatch(record::Knowledge::RightAndFast)}
             .join(QStringLiteral("&nbsp;&nbsp;&nbsp; ")) +
         QStringLiteral(
             "<br>Een vakje kleurt naar de laatste %1 antwoorden op die splitsing: "
             "<b>vaak fout</b> bij %2 % of meer fout; <b>snel</b> als de mediaan tijd "
             "van de goede antwoorden hoogstens %3 s is. Rijen: het getal; kolommen: "
             "het deel dat getoond werd.")
             .arg(t.recent)
             .arg(t.wrongPercent)
             .arg(fast) +
         QStringLiteral(
             "<br>%1: bij <b>Oefenen op maat</b> 3 van de laatste 4 keer goed "
             "binnen %2 s, op minstens twee dagen. <b>Niveau</b>: het hoogste getal "
             "tot waar het kind van elk getal minstens %3 % van de splitsingen de "
             "laatste keer goed en binnen %2 s gaf.")
             .arg(swatch(record::Knowledge::Automatic))
             .arg(practice::Settings{}.fastMs / 1000)
             .arg(practice::Progress::kMostlyPercent);
}

// One line per child that practised "Oefenen op maat": level, ability and automatic splits.
QString practiceLine(const QString& child, const practice::ChildState& state) {
  const practice::Progress p = practice::progressOf(state, practice::Settings{}.fastMs);
  const QString who = child.isEmpty() ? QStringLiteral("Oefenen op maat")
                                      : child.toHtmlEscaped() + QStringLiteral(" (op maat)");
  const QString level =
      p.level == 0 ? QStringLiteral("nog geen niveau") : QStringLiteral("niveau %1").arg(p.level);
  return QStringLiteral("<b>%1</b>: %2 (vaardigheid %3), %4 van de %5 splitsingen automatisch")
      .arg(who, level, QLocale(QLocale::Dutch).toString(state.ability, 'f', 1))
      .arg(p.automatic)
      .arg(practice::Progress::kGoalCount);
}

}  // namespace

TeacherView::TeacherView(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("TeacherView"));
  setWindowTitle(QStringLiteral("Splitsen \u2013 voor de leerkracht"));
  auto* layout = new QVBoxLayout(this);

  // This computer's record, or with a school server every computer's.
  auto* scopeRow = new QHBoxLayout;
  m_scope = new QComboBox(this);
  m_scope->setAccessibleName(QStringLiteral("toon"));
  m_scope->addItems({QStringLiteral("deze computer"), QStringLiteral("de hele klas")});
  m_password = new QLineEdit(this);
  m_password->setEchoMode(QLineEdit::Password);
  m_password->setAccessibleName(QStringLiteral("wachtwoord van de leerkracht"));
  m_password->setPlaceholderText(QStringLiteral("wachtwoord van de leerkracht"));
  m_password->setMinimumWidth(  // the whole hint, and room to type
      m_password->fontMetrics().horizontalAdvance(m_password->placeholderText()) + 32);
  m_password->setText(QSettings().value(QStringLiteral("server/teacherPassword")).toString());
  m_keep = new QCheckBox(QStringLiteral("onthoud het wachtwoord"), this);
  m_keep->setChecked(!m_password->text().isEmpty());
  scopeRow->addWidget(new QLabel(QStringLiteral("Toon:"), this));
  scopeRow->addWidget(m_scope);
  scopeRow->addWidget(m_password);
  scopeRow->addWidget(m_keep);
  scopeRow->addStretch(1);
  layout->addLayout(scopeRow);
  const bool server = record::server().has_value();
  m_scope->setEnabled(server);
  m_password->setVisible(false);
  m_keep->setVisible(false);

  m_state = new QLabel(this);
  m_state->setWordWrap(true);
  m_state->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(m_state);
  if (server) {  // the server's state changes on its own
    auto* tick = new QTimer(this);
    connect(tick, &QTimer::timeout, this, [this] {
      if (isVisible()) showState();
    });
    tick->start(1000);
  }

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("Kind:"), this));
  m_child = new QComboBox(this);
  m_child->setAccessibleName(QStringLiteral("kind"));
  m_child->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  row->addWidget(m_child);
  row->addStretch(1);
  m_export = new QPushButton(QStringLiteral("Exporteer\u2026"), this);
  m_wipe = new QPushButton(QStringLiteral("Wis gegevens\u2026"), this);
  row->addWidget(m_export);
  row->addWidget(m_wipe);
  layout->addLayout(row);

  m_tabs = new QTabWidget(this);
  auto* splits = new QWidget(m_tabs);
  auto* splitsLayout = new QVBoxLayout(splits);
  m_grid = new SplitGrid(splits);
  splitsLayout->addWidget(m_grid, 1);
  m_legend = new QLabel(legendText(m_grid->summary().thresholds()), splits);
  m_legend->setWordWrap(true);
  splitsLayout->addWidget(m_legend);
  m_practice = new QLabel(splits);
  m_practice->setObjectName(QStringLiteral("opmaat"));
  m_practice->setWordWrap(true);
  m_practice->setTextFormat(Qt::RichText);
  splitsLayout->addWidget(m_practice);
  m_tabs->addTab(splits, QStringLiteral("Splitsingen"));

  // A row per exercise practised that day, with its picture from the chooser; the day
  // and its total span the day's rows. Nothing is cut: columns and rows take their text.
  m_days = new QTableWidget(0, 4, m_tabs);
  m_days->setHorizontalHeaderLabels({QStringLiteral("Dag"), QStringLiteral("Oefening"),
                                     QStringLiteral("Aantal keer"), QStringLiteral("Totaal")});
  m_days->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_days->horizontalHeader()->setStretchLastSection(true);
  m_days->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_days->verticalHeader()->hide();
  m_days->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_days->setTextElideMode(Qt::ElideNone);
  m_days->setIconSize(QSize(ExerciseIcon, ExerciseIcon));
  m_tabs->addTab(m_days, QStringLiteral("Per dag"));

  m_editor = new ClassListEditor(m_tabs);
  m_tabs->addTab(m_editor, QStringLiteral("Klaslijst"));
  layout->addWidget(m_tabs, 1);

  connect(m_child, &QComboBox::currentIndexChanged, this, &TeacherView::refresh);
  connect(m_scope, &QComboBox::currentIndexChanged, this, &TeacherView::scopeChanged);
  connect(m_password, &QLineEdit::editingFinished, this, &TeacherView::scopeChanged);
  connect(m_keep, &QCheckBox::toggled, this, &TeacherView::scopeChanged);
  connect(m_export, &QPushButton::clicked, this, &TeacherView::askExport);
  connect(m_wipe, &QPushButton::clicked, this, &TeacherView::askWipe);
  connect(m_editor, &ClassListEditor::changed, this, &TeacherView::refresh);
  m_editor->setTeacherPassword([this] { return m_password->text(); });

  // As large as its text and grid want, and no smaller than a comfortable overview.
  resize(sizeHint().expandedTo(QSize(960, 720)));
  refresh();
}

TeacherView* TeacherView::showView() {
  static QPointer<TeacherView> view;
  if (!view) {
    view = new TeacherView;
    view->setAttribute(Qt::WA_DeleteOnClose);
    record::placeForTeacher(*view);
  } else {
    view->refresh();
  }
  view->show();
  view->raise();
  view->activateWindow();
  return view;
}

bool TeacherView::wholeClass() const {
  return m_scope->currentIndex() == 1 && record::server().has_value();
}

void TeacherView::scopeChanged() {
  const bool whole = wholeClass();
  m_password->setVisible(whole);
  m_keep->setVisible(whole);
  m_wipe->setEnabled(!whole);  // wiping is for this computer's record
  QSettings settings;
  if (m_keep->isChecked())
    settings.setValue(QStringLiteral("server/teacherPassword"), m_password->text());
  else
    settings.remove(QStringLiteral("server/teacherPassword"));
  m_note.clear();
  refresh();
}

void TeacherView::showState() {
  const record::Status status = record::state();
  QString text;
  if (busy()) text = QStringLiteral("<b>Bezig\u2026</b> ");
  if (status.opening)
    text += QStringLiteral("Het bestand %1 wordt geopend en nagekeken.")
                .arg(QDir::toNativeSeparators(status.file).toHtmlEscaped());
  else if (status.on)
    text += QStringLiteral("<b>Opnemen staat aan.</b> %1 %2")
                .arg(record::server() ? QStringLiteral("Alles gaat ook naar de schoolserver en "
                                                       "blijft op deze computer, in")
                                      : QStringLiteral("Alles blijft op deze computer, in"),
                     QDir::toNativeSeparators(status.file).toHtmlEscaped());
  else
    text += QStringLiteral("<b>Opnemen %1:</b> %2 De oefeningen werken gewoon.")
                .arg(status.failure == record::Failure::Newer ? QStringLiteral("staat uit")
                                                              : QStringLiteral("wacht"),
                     status.why.toHtmlEscaped());
  if (status.waiting > 0)
    text +=
        QStringLiteral("<br>%1 antwoorden wachten in het geheugen tot ze bewaard kunnen worden.")
            .arg(status.waiting);
  if (!status.movedAside.isEmpty())
    text += QStringLiteral(
                "<br>Het bestand was beschadigd. Het is bewaard als %1 en er is een "
                "nieuw bestand begonnen.")
                .arg(QDir::toNativeSeparators(status.movedAside).toHtmlEscaped());
  if (const auto server = record::server())
    text += QStringLiteral("<br><b>Schoolserver</b> %1: %2")
                .arg(server->display().toHtmlEscaped(),
                     school::describe(record::serverState().value_or(school::SenderState()))
                         .toHtmlEscaped());
  if (!m_note.isEmpty()) text += QStringLiteral("<br>") + m_note.toHtmlEscaped();
  m_state->setText(text);
}

void TeacherView::fillChildren(const QStringList& names) {
  const QString chosen = chosenChild();
  const QSignalBlocker block(m_child);
  m_child->clear();
  m_child->addItem(QStringLiteral("Alle kinderen"));
  for (const QString& name : names) m_child->addItem(name, name);
  const int index = chosen.isNull() ? 0 : m_child->findData(chosen);
  m_child->setCurrentIndex(std::max(0, index));
}

QString TeacherView::chosenChild() const {
  const QVariant data = m_child->currentData();
  return data.isValid() ? data.toString() : QString();
}

void TeacherView::chooseChild(const QString& name) {
  m_child->setCurrentIndex(std::max(0, m_child->findData(name)));
}

// What one read of the record found, for the chosen child.
struct TeacherView::Read {
  QStringList names;  // the class list, then the others in the record
  record::Summary summary;
  std::vector<record::Database::DayCount> days;
  QStringList practice;  // a line per child with adaptive practice
  QString problem;       // why the whole class could not be read
};

void TeacherView::refresh() {
  const QString child = chosenChild();
  const quint64 generation = ++m_generation;
  ++m_pending;
  showState();
  std::optional<school::Address> teacher;
  if (wholeClass())
    teacher = record::server()->as(QString::fromLatin1(record::TeacherRole), m_password->text());
  record::inBackground(this, [this, child, generation, teacher](record::Database* db) {
    // On the record's reading thread: nothing of the view is touched here.
    auto read = std::make_shared<Read>();
    if (teacher && teacher->password.isEmpty()) {
      read->problem =
          QStringLiteral("Geef het wachtwoord van de leerkracht om de hele klas te zien.");
    } else if (teacher) {
      record::ClassRead fromServer;
      const school::Outcome outcome = record::readClass(*teacher, child, &fromServer);
      read->names = fromServer.names;
      read->summary = fromServer.summary;
      read->days = fromServer.days;
      if (!outcome.ok())
        read->problem = QStringLiteral("De hele klas kan niet worden gelezen: %1.")
                            .arg(school::describe(outcome.problem));
    } else if (db) {
      for (const record::Child& c : db->children()) read->names << c.name;
      for (const QString& name : db->childrenInRecord())
        if (!read->names.contains(name)) read->names << name;
      read->summary = db->summary(child);
      read->days = db->perDay(child);
    }
    read->summary.finish();
    if (db) {
      // Adaptive practice: a split is automatic for everyone when it is for each child.
      const QStringList practising =
          child.isNull() ? record::practiceChildren(db->connection()) : QStringList{child};
      std::array<int, practice::kSplitCount> automatic{};
      int children = 0;
      for (const QString& name : practising) {
        const auto state = record::readPractice(db->connection(), name);
        if (!state || state->child.answers == 0) continue;
        ++children;
        read->practice << practiceLine(name, state->child);
        for (int i = 0; i < practice::kSplitCount; ++i)
          automatic[i] +=
              practice::isAutomatic(state->child.splits[i], practice::Settings{}.fastMs);
      }
      for (int i = 0; i < practice::kSplitCount && children > 0; ++i) {
        if (automatic[i] < children) continue;
        const practice::Split s = practice::splitAt(i);
        read->summary.setAutomatic(s.whole, s.smaller);
        read->summary.setAutomatic(s.whole, s.whole - s.smaller);
      }
    }
    return std::function<void()>(
        [this, read, child, generation] { present(*read, child, generation); });
  });
}

void TeacherView::present(const Read& read, const QString& child, quint64 generation) {
  --m_pending;
  if (generation != m_generation) return;  // a newer read is on its way
  if (!read.problem.isEmpty() || wholeClass()) m_note = read.problem;
  fillChildren(read.names);
  if (chosenChild() != child) {  // the child is no longer there: everyone's record
    refresh();
    return;
  }
  m_grid->setSummary(read.summary);
  m_practice->setText(read.practice.join(QStringLiteral("<br>")));
  m_practice->setVisible(!read.practice.isEmpty());
  m_editor->reload();

  // Per day, newest first: each exercise with how many answers or numbers.
  struct Practised {
    QString exercise;
    int count;
  };
  m_days->setUpdatesEnabled(false);
  m_days->clearSpans();
  m_days->setRowCount(0);
  QString day;
  QList<Practised> practised;
  auto flushDay = [&] {
    if (practised.isEmpty()) return;
    const int first = m_days->rowCount();
    int total = 0;
    for (const Practised& p : practised) {
      const int r = m_days->rowCount();
      m_days->insertRow(r);
      m_days->setItem(
          r, 1,
          new QTableWidgetItem(exerciseIcon(p.exercise, this), record::exerciseName(p.exercise)));
      auto* count = new QTableWidgetItem(QString::number(p.count));
      count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      m_days->setItem(r, 2, count);
      total += p.count;
    }
    const QDate date = QDate::fromString(day, Qt::ISODate);
    m_days->setItem(
        first, 0,
        new QTableWidgetItem(
            date.isValid()
                ? QLocale(QLocale::Dutch).toString(date, QStringLiteral("ddd d MMM yyyy"))
                : day));
    auto* sum = new QTableWidgetItem(QString::number(total));
    sum->setTextAlignment(Qt::AlignRight | Qt::AlignTop);
    m_days->setItem(first, 3, sum);
    m_days->item(first, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (practised.size() > 1) {
      m_days->setSpan(first, 0, static_cast<int>(practised.size()), 1);
      m_days->setSpan(first, 3, static_cast<int>(practised.size()), 1);
    }
  };
  for (const auto& d : read.days) {
    if (d.day != day) {
      flushDay();
      day = d.day;
      practised.clear();
    }
    practised.append({d.exercise, d.count});
  }
  flushDay();
  m_days->setUpdatesEnabled(true);
  showState();
  if (!busy()) Q_EMIT loaded();
}

bool TeacherView::exportTo(const QString& file, QString* error) {
  return record::exportCsv(file, error, record::file());
}

void TeacherView::exportInBackground(const QString& file) {
  ++m_pending;
  m_export->setEnabled(false);
  showState();
  QString why = record::state().why;  // said when the record cannot be read
  if (!why.isEmpty()) why.front() = why.front().toUpper();
  std::optional<school::Address> teacher;
  if (wholeClass())
    teacher = record::server()->as(QString::fromLatin1(record::TeacherRole), m_password->text());
  record::inBackground(this, [this, file, why, teacher](record::Database* db) {
    QString error;
    const bool written = teacher ? record::exportServer(*teacher, file, &error)
                                 : record::writeCsv(db, why, file, &error);
    if (written) error.clear();
    return std::function<void()>([this, file, error] {
      --m_pending;
      m_export->setEnabled(true);
      showState();
      Q_EMIT exported(file, error);
    });
  });
}

void TeacherView::wipeChosen() {
  const QString child = chosenChild();
  ++m_pending;
  m_note.clear();
  showState();
  record::inBackground(this, [this, child](record::Database* db) {
    const record::Failure failure = db ? db->wipe(child) : record::Failure::Other;
    return std::function<void()>([this, failure, child] {
      --m_pending;
      record::practiceStore().forget(child);
      if (failure != record::Failure::None)
        m_note = QStringLiteral("Wissen is niet gelukt: %1")
                     .arg(record::describe(failure, record::file()));
      refresh();
    });
  });
}

void TeacherView::askExport() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Exporteer naar CSV"),
                                                    folder + QStringLiteral("/splitsen.csv"),
                                                    QStringLiteral("CSV voor rekenbladen (*.csv)"));
  if (file.isEmpty()) return;
  // The answer comes once the file is written; the view stays usable meanwhile.
  connect(
      this, &TeacherView::exported, this,
      [this](const QString& to, const QString& error) {
        QMessageBox told(
            error.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
            QStringLiteral("Exporteer"),
            error.isEmpty()
                ? QStringLiteral("Alles is bewaard in %1.").arg(QDir::toNativeSeparators(to))
                : error,
            QMessageBox::Ok, this);
        told.setTextFormat(Qt::PlainText);
        told.exec();
      },
      Qt::SingleShotConnection);
  exportInBackground(file);
}

void TeacherView::askWipe() {
  const QString child = chosenChild();
  const QString who =
      child.isNull() ? QStringLiteral("van alle kinderen") : QStringLiteral("van %1").arg(child);
  QMessageBox question(QMessageBox::Question, QStringLiteral("Wis gegevens"),
                       QStringLiteral("Alle geoefende splitsingen %1 wissen? Dit kan niet "
                                      "ongedaan worden gemaakt. De klaslijst blijft.")
                           .arg(who),
                       QMessageBox::Yes | QMessageBox::No, this);
  question.setTextFormat(Qt::PlainText);  // a name is shown as typed, never as markup
  question.setDefaultButton(QMessageBox::No);
  const int answer = question.exec();
  if (answer == QMessageBox::Yes) wipeChosen();
}

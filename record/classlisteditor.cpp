#include "record/classlisteditor.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>
#include <QVBoxLayout>
#include <atomic>

#include "record/classlist.h"
#include "record/recorder.h"
#include "record/sync.h"
#include "school/server.h"

ClassListEditor::ClassListEditor(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  m_list = new QListWidget(this);
  m_list->setAccessibleName(QStringLiteral("klaslijst"));
  m_list->setIconSize(QSize(32, 32));
  layout->addWidget(m_list, 1);

  auto* side = new QVBoxLayout;
  layout->addLayout(side, 1);
  side->addWidget(
      new QLabel(QStringLiteral("Naam (1 tot %1 tekens):").arg(record::MaxNameLength), this));
  m_name = new QLineEdit(this);
  m_name->setAccessibleName(QStringLiteral("naam"));
  side->addWidget(m_name);
  side->addWidget(new QLabel(QStringLiteral("Prent:"), this));
  auto* grid = new QGridLayout;
  m_pictures = new QButtonGroup(this);
  m_pictures->setExclusive(true);
  const QStringList& keys = record::childPictures();
  for (int i = 0; i < keys.size(); ++i) {
    auto* button = new QToolButton(this);
    button->setCheckable(true);
    button->setIcon(QIcon(record::pictureResource(keys[i])));
    button->setIconSize(QSize(40, 40));
    button->setToolTip(record::pictureName(keys[i]));
    button->setAccessibleName(keys[i]);
    button->setObjectName(keys[i]);
    m_pictures->addButton(button, i);
    grid->addWidget(button, i / 6, i % 6);
  }
  m_pictures->button(0)->setChecked(true);
  side->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  m_add = new QPushButton(QStringLiteral("Toevoegen"), this);
  m_change = new QPushButton(QStringLiteral("Wijzigen"), this);
  m_remove = new QPushButton(QStringLiteral("Van de lijst halen"), this);
  for (QPushButton* b : {m_add, m_change, m_remove}) buttons->addWidget(b);
  side->addLayout(buttons);
  m_message = new QLabel(this);
  m_message->setWordWrap(true);
  m_message->setTextFormat(Qt::PlainText);  // names are shown as typed, never as markup
  side->addWidget(m_message);
  side->addStretch(1);

  connect(m_add, &QPushButton::clicked, this, &ClassListEditor::add);
  connect(m_change, &QPushButton::clicked, this, &ClassListEditor::change);
  connect(m_remove, &QPushButton::clicked, this, &ClassListEditor::remove);
  connect(m_name, &QLineEdit::returnPressed, this, &ClassListEditor::add);
  connect(m_list, &QListWidget::currentRowChanged, this, &ClassListEditor::selectionChanged);
  reload();
}

void ClassListEditor::reload() {
  const int row = m_list->currentRow();
  m_list->clear();
  for (const record::Child& child : record::alphabetical(record::classList())) {
    auto* item = new QListWidgetItem(QIcon(record::pictureResource(child.picture)), child.name);
    item->setData(Qt::UserRole, child.picture);
    m_list->addItem(item);
  }
  if (row >= 0 && row < m_list->count()) m_list->setCurrentRow(row);
  enableControls();
  selectionChanged();
}

void ClassListEditor::enableControls() {
  const bool usable = record::database() != nullptr && !m_busy;
  for (QWidget* w : {static_cast<QWidget*>(m_add), static_cast<QWidget*>(m_change),
                     static_cast<QWidget*>(m_remove), static_cast<QWidget*>(m_name)})
    w->setEnabled(usable);
  const bool selected = m_list->currentRow() >= 0;
  m_change->setEnabled(usable && selected);
  m_remove->setEnabled(usable && selected);
}

void ClassListEditor::selectionChanged() {
  const bool selected = m_list->currentRow() >= 0;
  enableControls();
  if (!selected) return choosePicture(record::proposedPicture(record::classList()));
  m_name->setText(m_list->currentItem()->text());
  choosePicture(m_list->currentItem()->data(Qt::UserRole).toString());
}

void ClassListEditor::choosePicture(const QString& key) {
  const int index = static_cast<int>(record::childPictures().indexOf(key));
  if (QAbstractButton* b = m_pictures->button(std::max(0, index))) b->setChecked(true);
}

QString ClassListEditor::chosenPicture() const {
  return record::childPictures().value(std::max(0, m_pictures->checkedId()));
}

QStringList ClassListEditor::names(int except) const {
  QStringList list;
  for (int i = 0; i < m_list->count(); ++i)
    if (i != except) list << m_list->item(i)->text();
  return list;
}

void ClassListEditor::tell(const QString& text, bool problem) {
  m_message->setStyleSheet(problem ? QStringLiteral("color: #b71c1c")
                                   : QStringLiteral("color: #1b5e20"));
  m_message->setText(text);
}

void ClassListEditor::tellShared(const QString& text, const QString& name) {
  const QString note = record::sharedPictureNote(record::classList(), name, chosenPicture());
  tell(note.isEmpty() ? text : text + QLatin1Char(' ') + note, false);
}

void ClassListEditor::add() {
  record::Database* db = record::database();
  const QString name = m_name->text().trimmed();
  const QString problem = record::nameProblem(name, names());
  if (!problem.isEmpty()) return tell(problem, true);
  const record::Child child{name, chosenPicture()};
  const auto done = [this, name] {
    tellShared(QStringLiteral("%1 staat in de klaslijst.").arg(name), name);
    m_name->clear();
    reload();
    m_list->setCurrentRow(-1);
    selectionChanged();  // the next child is offered a picture nobody has
    Q_EMIT changed();
  };
  if (onServer(
          [child](school::Server& s) {
            return s.addChild({child.name, child.picture});
          },
          [child](record::Database& d) { return d.addChild(child); }, done))
    return;
  if (!db || db->addChild(child) != record::Failure::None)
    return tell(QStringLiteral("De klaslijst kan nu niet worden bewaard."), true);
  done();
}

void ClassListEditor::change() {
  const int row = m_list->currentRow();
  record::Database* db = record::database();
  if (row < 0 || !db) return;
  const QString from = m_list->item(row)->text();
  const QString to = m_name->text().trimmed();
  if (to != from) {
    const QString problem = record::nameProblem(to, names(row));
    if (!problem.isEmpty()) return tell(problem, true);
  }
  const QString picture = chosenPicture();
  const auto done = [this, to] {
    tellShared(QStringLiteral("%1 is gewijzigd.").arg(to), to);
    reload();
    Q_EMIT changed();
  };
  if (onServer(
          [from, to, picture](school::Server& s) {
            school::Outcome o = to != from ? s.renameChild(from, to) : school::Outcome();
            return o.ok() ? s.setPicture(to, picture) : o;
          },
          [from, to, picture](record::Database& d) {
            const record::Failure f = to != from ? d.renameChild(from, to) : record::Failure::None;
            return f == record::Failure::None ? d.setPicture(to, picture) : f;
          },
          done))
    return;
  if (to != from) {
    if (db->renameChild(from, to) != record::Failure::None)
      return tell(QStringLiteral("De klaslijst kan nu niet worden bewaard."), true);
  }
  if (db->setPicture(to, picture) != record::Failure::None)
    return tell(QStringLiteral("De klaslijst kan nu niet worden bewaard."), true);
  done();
}

void ClassListEditor::remove() {
  const int row = m_list->currentRow();
  record::Database* db = record::database();
  if (row < 0 || !db) return;
  const QString name = m_list->item(row)->text();
  const auto done = [this, name] {
    tell(QStringLiteral("%1 staat niet meer in de klaslijst; wat %1 oefende blijft bewaard "
                        "(\"Wis gegevens\" wist het).")
             .arg(name),
         false);
    m_name->clear();
    reload();
    Q_EMIT changed();
  };
  if (onServer([name](school::Server& s) { return s.removeChild(name); },
               [name](record::Database& d) { return d.removeChild(name); }, done))
    return;
  if (db->removeChild(name) != record::Failure::None)
    return tell(QStringLiteral("De klaslijst kan nu niet worden bewaard."), true);
  done();
}

namespace {

// Why an edit on the server did not happen, for the teacher.
QString refused(const school::Outcome& outcome) {
  using school::Problem;
  const QString unchanged = QStringLiteral(" De klaslijst is niet gewijzigd.");
  switch (outcome.problem) {
    case Problem::Unreachable:
      return QStringLiteral("De schoolserver is niet bereikbaar.") + unchanged +
             QStringLiteral(" Probeer het later opnieuw.");
    case Problem::WrongPassword:
      return QStringLiteral("Het wachtwoord van de leerkracht is fout.") + unchanged;
    case Problem::NoPermission:
      return QStringLiteral("De leerkracht heeft op de schoolserver geen toestemming.") + unchanged;
    case Problem::Exists:
      return QStringLiteral("Die naam staat al in de klaslijst op de schoolserver.") + unchanged;
    default:
      return QStringLiteral("De schoolserver: %1.").arg(school::describe(outcome.problem)) +
             unchanged;
  }
}

std::atomic<int> editorSessions{0};

}  // namespace

bool ClassListEditor::onServer(const There& there, const Here& here, std::function<void()> done) {
  const std::optional<school::Address> server = record::server();
  if (!server) return false;
  const QString password =
      m_password ? m_password()
                 : QSettings().value(QStringLiteral("server/teacherPassword")).toString();
  if (password.isEmpty()) {
    tell(QStringLiteral("De klaslijst staat op de schoolserver: om hem te wijzigen is het "
                        "wachtwoord van de leerkracht nodig (Toon: de hele klas). De klaslijst "
                        "is niet gewijzigd."),
         true);
    return true;
  }
  const school::Address teacher = server->as(QString::fromLatin1(record::TeacherRole), password);
  m_busy = true;
  tell(QStringLiteral("Bezig\u2026"), false);
  enableControls();
  record::inBackground(this, [this, teacher, there, here, done](record::Database* db) {
    // On the record's reading thread: nothing of the editor is touched here.
    school::Server session(teacher, QStringLiteral("record-editor-%1").arg(++editorSessions));
    school::Outcome outcome = session.open();
    if (outcome.ok()) outcome = there(session);
    session.close();
    // The server has it; this computer's copy follows now (and at the next look anyway).
    if (outcome.ok() && db) here(*db);
    return std::function<void()>([this, outcome, done] {
      m_busy = false;
      if (outcome.ok())
        done();
      else {
        tell(refused(outcome), true);
        enableControls();
      }
    });
  });
  return true;
}

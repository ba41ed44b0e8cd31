#include "record/grownupcheck.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/conversions.h"
#include "forms/program.h"
#include "record/teachermenu.h"
#include "record/translations.h"

GrownUpCheck::GrownUpCheck(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("GrownUpCheck"));
  setWindowTitle(QStringLiteral("Voor de leerkracht"));
  forms::Randomize();
  m_a = 6 + forms::Int(forms::Rnd() * 4);
  m_b = 6 + forms::Int(forms::Rnd() * 4);
  auto* layout = new QVBoxLayout(this);
  auto* question = new QLabel(QStringLiteral("Hoeveel is %1 x %2?").arg(m_a).arg(m_b), this);
  QFont big = question->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  question->setFont(big);
  layout->addWidget(question);
  m_answer = new QLineEdit(this);
  m_answer->setValidator(new QIntValidator(0, 999, m_answer));
  m_answer->setAccessibleName(QStringLiteral("antwoord"));
  layout->addWidget(m_answer);
  m_message = new QLabel(this);
  m_message->setStyleSheet(QStringLiteral("color: #b71c1c"));
  layout->addWidget(m_message);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Verder"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuleren"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &GrownUpCheck::check);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // Wide enough for its title in the window manager's frame, which is drawn in about the
  // application's font, with room for the frame's buttons.
  const int title = QFontMetrics(QApplication::font()).horizontalAdvance(windowTitle());
  setMinimumWidth(std::max(sizeHint().width(), title * 3 / 2 + 160));
  adjustSize();
}

void GrownUpCheck::check() {
  if (m_answer->text().toInt() == expected() && !m_answer->text().isEmpty()) {
    accept();
  } else {
    m_message->setText(QStringLiteral("Dat is niet juist."));
    m_answer->clear();
    m_answer->setFocus();
  }
}

void GrownUpCheck::ask(std::function<void()> passed) {
  // Every Qt dialog the program shows is the teacher's, behind this check.
  record::installDutchTranslations();
  auto* dialog = new GrownUpCheck;
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::ApplicationModal);
  record::placeForTeacher(*dialog);
  connect(dialog, &QDialog::accepted, dialog, [passed = std::move(passed)] { passed(); });
  dialog->open();
}

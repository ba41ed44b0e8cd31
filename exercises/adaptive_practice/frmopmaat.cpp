#include "exercises/adaptive_practice/frmopmaat.h"

#include <QDate>
#include <algorithm>

#include "record/practicestore.h"
#include "record/recorder.h"
#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"
#include "shell/number_image.h"

using namespace forms;

namespace {

constexpr int RightVerdictMs = 1000;
constexpr int OtherVerdictMs = 3000;

Picture munt() {
  return Picture::svg(QStringLiteral(":/assets/frmopmaat/munt.svg"));
}

}  // namespace

// The program's clock and draws as the practice model asks for them: days from today's
// date onwards as the clock runs.
class frmopmaat::Sources final : public practice::Clock, public practice::Random {
 public:
  int today() const override {
    return static_cast<int>(m_firstDay + Program::current().clock().now() / 86'400'000);
  }
  long long nowMs() const override { return Program::current().clock().now(); }
  double draw() override { return Rnd(); }

 private:
  qint64 m_firstDay = QDate::currentDate().toJulianDay();
};

frmopmaat::frmopmaat()
    : Form(Name, Kind::Free, QStringLiteral("OEFENEN OP MAAT"), 12930, 8775, LightYellow),
      m_sources(std::make_unique<Sources>()) {
  lblvraag.at(240, 120, 12450, 1335)
      .colours(LightBlue, DarkGreen)
      .font({"Arial", 54, true})
      .align(Align::Centre)
      .readAloud();  // the question, and the complete split of the verdict
  for (int i = 1; i <= Munten; ++i)
    imgmunt[i].at(480 + (i - 1) * 600, 1620, 540, 540).picture(munt());
  const NumberImageGrid place{3915, 2400, 1020, 960};
  for (int i = 1; i <= 10; ++i)
    shpgetalbeeld[i]
        .at(place.leftOf(i), place.topOf(i), 900, 900)
        .filled(White)
        .outline(Black)
        .hidden();
  for (int n = 0; n <= 10; ++n)
    cmdantwoord[n]
        .at(405 + n * 1110, 4560, 1020, 1020)
        .colour(Purple)
        .font({"Arial", 36, true})
        .caption(QString::number(n));
  cmdweetniet.at(405, 5880, 2130, 1020)
      .colour(Orange)
      .font({"Arial", 36, true})
      .caption("?")
      .tooltip("ik weet het niet");
  imgmunten.at(4920, 6000, 780, 780).picture(munt()).tooltip("munten");
  lblmunten.at(5760, 5880, 2130, 1020)
      .colours(LightGrey, DarkTeal)
      .font({"Arial", 36, true})
      .align(Align::Centre);
  cmdstop.at(11280, 7920, 1455, 735).colour(DarkRed).picture(pictures::stop());
  Shape1.at(0, 0, 12930, 1575).filled(LightBlue).noBorder();
  Shape3.at(0, 7800, 12930, 975).filled(0x000076EC).noBorder();
  stacking({&Shape1, &Shape3, &lblvraag});

  cmdantwoord.Click = [this](int index) { cmdantwoord_Click(index); };
  cmdweetniet.Click = [this] { cmdweetniet_Click(); };
  tmrmunt.Tick = [this] { tmrmunt_Tick(); };
  tmroordeel.Tick = [this] { tmroordeel_Tick(); };
  tmrcijfer.Tick = [this] { tmrcijfer_Tick(); };
  cmdstop.Click = [this] { cmdstop_Click(); };
}

frmopmaat::~frmopmaat() = default;

// The practice of the child at the computer, unless it is already here.
void frmopmaat::laden() {
  const QString wie = record::child();
  record::PracticeStore& store = record::practiceStore();
  if (m_geladenVoor == wie && m_generatie == store.generation()) return;
  record::PracticeState staat = store.load(wie);
  kind = staat.child;
  moeilijkheden = staat.difficulties;
  m_geladenVoor = wie;
  m_generatie = store.generation();
}

// Every visit starts with no coins and its first question.
void frmopmaat::Form_Activate() {
  centre();
  laden();
  m_session = std::make_unique<practice::Session>(kind, moeilijkheden, *m_sources, *m_sources);
  m_opgaven = 0;
  m_munten = 0;
  lblmunten.setCaption("0");
  volgende();
}

void frmopmaat::volgende() {
  tmroordeel.setEnabled(false);
  const practice::Question vraag = m_session->next();
  record::ready(Name);
  m_opgaven += 1;
  for (int i = 1; i <= 10; ++i) shpgetalbeeld[i].setVisible(false);
  for (int i = 1; i <= Munten; ++i) imgmunt[i].setVisible(true);
  lblvraag.setCaption(practice::questionText(vraag));
  m_seconden = 0;
  tmrmunt.setEnabled(true);
}

// The complete split; after a wrong answer or "?" also its number image, first part dark.
void frmopmaat::oordeel(const practice::Outcome& uitkomst) {
  tmrmunt.setEnabled(false);
  tmrcijfer.setEnabled(false);
  const practice::Question& vraag = uitkomst.question;
  record::answer(Name, vraag.whole, vraag.shown(),
                 uitkomst.given < 0 ? QStringLiteral("") : QString::number(uitkomst.given),
                 uitkomst.reply == practice::Reply::Right);
  const record::PracticeState staat{kind, moeilijkheden};
  record::practiceStore().save(staat, record::changedRows(record::child(), staat, vraag));
  m_munten = std::max(0, m_munten + uitkomst.coins);
  lblmunten.setCaption(QString::number(m_munten));
  const bool juist = uitkomst.reply == practice::Reply::Right;
  if (uitkomst.reply != practice::Reply::TimeOut && uitkomst.reply != practice::Reply::DontKnow)
    say(juist ? "goed!" : "niet juist.");
  lblvraag.setCaption(practice::completeText(uitkomst.question));
  if (!juist) {
    for (int i = 1; i <= 10; ++i) {
      shpgetalbeeld[i].setVisible(true);
      shpgetalbeeld[i].setBackColor(i <= uitkomst.question.first   ? DarkTeal
                                    : i <= uitkomst.question.whole ? LightBlue
                                                                   : White);
    }
  }
  if (beantwoord) beantwoord(uitkomst);
  tmroordeel.setInterval(juist ? RightVerdictMs : OtherVerdictMs);
  tmroordeel.setEnabled(true);
}

void frmopmaat::cmdantwoord_Click(int index) {
  if (const auto uitkomst = m_session->answer(index)) oordeel(*uitkomst);
}

void frmopmaat::cmdweetniet_Click() {
  if (const auto uitkomst = m_session->dontKnow()) oordeel(*uitkomst);
}

// One coin falls each second, the last one in the row first; the last one ends the time.
void frmopmaat::tmrmunt_Tick() {
  m_seconden += 1;
  if (m_seconden <= Munten) imgmunt[Munten - m_seconden + 1].setVisible(false);
  if (m_seconden >= Munten)
    if (const auto uitkomst = m_session->timeOut()) oordeel(*uitkomst);
}

void frmopmaat::tmroordeel_Tick() {
  volgende();
}

// A digit answers; "1" first waits a moment for the "0" of ten.
bool frmopmaat::Form_KeyPress(int key) {
  if (key < Qt::Key_0 || key > Qt::Key_9) return false;
  const int cijfer = key - Qt::Key_0;
  if (!m_session || !m_session->waiting()) return true;
  if (tmrcijfer.enabled()) {
    tmrcijfer.setEnabled(false);
    if (cijfer == 0) {
      cmdantwoord_Click(10);
      return true;
    }
    cmdantwoord_Click(1);
    return true;
  }
  if (cijfer == 1)
    tmrcijfer.setEnabled(true);
  else
    cmdantwoord_Click(cijfer);
  return true;
}

void frmopmaat::tmrcijfer_Tick() {
  tmrcijfer.setEnabled(false);
  cmdantwoord_Click(1);
}

void frmopmaat::cmdstop_Click() {
  tmrmunt.setEnabled(false);
  tmrcijfer.setEnabled(false);
  tmroordeel.setEnabled(false);
  screens::frmkiesbasis().Show();
  Hide();
}

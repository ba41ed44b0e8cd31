#include "exercises/split_memorising/frmsplits2.h"

#include "record/recorder.h"
#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace forms;

namespace {

// The small pictures in the frames, one different animal per frame.
Picture animal(int k) {
  static const char* const animals[10] = {"frmsplits2/lieveheersbeestje",
                                          "common/bij",
                                          "frmsplits2/vlinder",
                                          "frmsplits2/slak",
                                          "frmsplits2/kikker",
                                          "frmsplits2/kuiken",
                                          "frmsplits2/vis",
                                          "common/schildpad",
                                          "frmsplits2/konijn",
                                          "frmsplits2/muis"};
  return Picture::svg(QStringLiteral(":/assets/%1.svg").arg(QLatin1String(animals[k])));
}

Picture numberPicture(int n) {
  return Picture::svg(QStringLiteral(":/assets/frmsplits2/cmd%1.svg").arg(n));
}

}  // namespace

frmsplits2::frmsplits2()
    : Form(Name, Kind::Free, QStringLiteral("Splits "), 11880, 7770, 0x00D6D6D6) {
  frtoonsplits.at(8520, 240, 3015, 6495)
      .colours(Teal, White)
      .font({"MS Sans Serif", 8.25, true})
      .caption("LEER ");
  lblsplits.at(240, 240, 1575, 495)
      .colours(DeepBlue, White)
      .font({"MS Sans Serif", 13.5, true})
      .align(Align::Centre);
  lblkeuze.at(1920, 240, 975, 375)
      .colours(White, DeepBlue)
      .font({"MS Sans Serif", 12, true})
      .align(Align::Centre)
      .caption("KIES");
  Image3.at(1920, 600, 975, 555).picture(Picture::svg(":/assets/frmsplits2/pijl.svg"));
  for (int n = 2; n <= 10; ++n)
    cmd(n)
        .at(2160, 1440 + 480 * (n - 2), 615, 495)
        .colour(n == 2 ? 0x00FFFF00 : 0x00FFFF80)
        .picture(numberPicture(n))
        .name(Str(n));
  for (auto& [k, box] : txtcijfersplits)
    box->at(240, 960 + 480 * k, 1575, k == 9 ? 480 : 495)
        .colours(LightBlue, Black)
        .align(Align::Centre)
        .font({"MS Sans Serif", 13.5, true})
        .name("splitsing " + Str(k + 1))
        .disabled();

  frsplits.at(480, 240, 7575, 6495)
      .colours(LightBlue, 0x00800000)
      .font({"MS Sans Serif", 8.25, true})
      .caption("SPLITS");
  for (int k = 0; k <= 9; ++k) {
    const int column = 1140 * (k / 2);
    const bool top = k % 2 == 0;
    shpwaarde[k].at(240 + column, top ? 360 : 1320, 735, 735).outline(DeepBlue, 3);
    imgwaarde[k].at(360 + column, top ? 480 : 1440, 480, 480).picture(animal(k));
  }
  lblbord.at(0, 2280, 7575, 1215)
      .colours(Teal, White)
      .font({"Arial", 48, true, true})
      .align(Align::Centre);
  Shape1.at(120, 3600, 7215, 735)
      .kind(ShapeKind::RoundedRectangle)
      .filled(LightBlue)
      .outline(DeepBlue, 3);
  for (int n = 2; n <= 10; ++n)
    opt(n)
        .at(240 + 795 * (n - 2), 3720, 495, 495)
        .colours(DeepBlue, White)
        .font({"MS Sans Serif", 8.25, true})
        .caption(Str(n));
  lblinfor.at(0, 4680, 7575, 735)
      .colours(0x00FF8080, 0x00400000)
      .font({"MS Sans Serif", 18})
      .align(Align::Centre)
      .caption("Klik een cijfer, kijk en zeg mee ")
      .readAloud();
  lblsplits2.at(2760, 5400, 1575, 1095)
      .colours(DeepBlue, White)
      .font({"Arial", 48, true})
      .align(Align::Centre);

  cmdstop2.at(9120, 6840, 855, 855)
      .colour(0x00000080)
      .picture(pictures::stop())
      .leaves()
      .tooltip("stop !");
  Image1.at(10560, 7080, 480, 420).picture(pictures::logo()).tooltip(pictures::logoTooltip());
  Shape2.at(360, 0, 11415, 135).filled(DarkPurple).noBorder();
  Shape3.at(360, 6840, 11415, 135).filled(DarkPurple).noBorder();
  Shape6.at(360, 7560, 11415, 135).filled(DarkPurple).noBorder();
  Shape4.at(8160, 240, 255, 6495).filled(DarkPurple).noBorder();
  Shape5.at(11640, 0, 255, 7695).filled(DarkPurple).noBorder();
  Shape8.at(0, 0, 375, 7695).filled(DarkPurple).noBorder();

  for (int n = 2; n <= 10; ++n) {
    cmd(n).Click = [this, n] { cmd_Click(n); };
    opt(n).Click = [this, n] { opt_Click(n); };
  }
  tmr0.Tick = [this] { tmr0_Timer(); };
  tmr1.Tick = [this] { tmr1_Timer(); };
  for (int k = 2; k <= 10; ++k) tmr(k).Tick = [this, k] { tmr_Timer(k); };
  cmdstop2.Click = [this] { cmdstop2_Click(); };
}

CommandButton& frmsplits2::cmd(int n) {
  CommandButton* const buttons[] = {&cmd2, &cmd3, &cmd4, &cmd5, &cmd6, &cmd7, &cmd8, &cmd9, &cmd10};
  return *buttons[n - 2];
}

OptionButton& frmsplits2::opt(int n) {
  OptionButton* const options[] = {&opt2, &opt3, &opt4, &opt5, &opt6, &opt7, &opt8, &opt9, &opt10};
  return *options[n - 2];
}

Timer& frmsplits2::tmr(int k) {
  Timer* const timers[] = {&tmr0, &tmr1, &tmr2, &tmr3, &tmr4,  &tmr5,
                           &tmr6, &tmr7, &tmr8, &tmr9, &tmr10, &tmr11};
  return *timers[k];
}

// ---------------------------------------------------------------- procedures

// All frames dark blue again, and every timer of the walk stopped.
void frmsplits2::herstelkaders() {
  for (int k = 0; k <= 9; ++k) shpwaarde[k].setBorderColor(DeepBlue);
  for (int k = 0; k <= 11; ++k) tmr(k).setEnabled(false);
}

void frmsplits2::verbergkaders() {
  for (int k = 0; k <= 9; ++k) shpwaarde[k].setVisible(false);
  herstelkaders();
}

// The first n frames shown, the others hidden.
void frmsplits2::toonkaders(int n) {
  for (int k = 0; k <= 9; ++k) shpwaarde[k].setVisible(k < n);
  herstelkaders();
}

// The first n pictures shown, the others hidden.
void frmsplits2::toonplaatjes(int n) {
  for (int k = 0; k <= 9; ++k) imgwaarde[k].setVisible(k < n);
}

// Lists every split of the number in lblsplits, from 0 + N at the top to N + 0.
void frmsplits2::vulsplitslijst() {
  for (int n = 10; n >= 2; --n) {
    if (lblsplits.caption() != Str(n)) continue;
    for (int k = 0; k <= 10; ++k) txtcijfersplits[k].setVisible(true);
    for (int k = 0; k <= n; ++k) {
      const int rest = n - k;
      const QString left = k == 10 ? QStringLiteral("10 ") : QString(" " + Str(k) + " ");
      QString right = " " + Str(rest) + " ";
      if (n == 10) right = rest == 10 ? QStringLiteral(" 10 ") : QString("  " + Str(rest) + " ");
      txtcijfersplits[k].setText(left + " + " + right);
    }
    for (int k = n + 1; k <= 10; ++k) txtcijfersplits[k].setVisible(false);
    return;
  }
}

void frmsplits2::wiskeuze() {
  for (int n = 2; n <= 10; ++n) opt(n).setValue(false);
  lblsplits2.setCaption("");
}

// ---------------------------------------------------------------- handlers

// A "LEER " button: the list, the pictures and the big number of n; a walk stops.
void frmsplits2::cmd_Click(int n) {
  record::practised(Name, n);
  toonplaatjes(n);
  toonkaders(n);
  lblsplits.setCaption(Str(n));
  vulsplitslijst();
  if (n != 10) lblbord.setCaption("");  // the button 10 leaves the board as it was
  wiskeuze();
  lblsplits2.setCaption(Str(n));
  lblinfor.setCaption("leer alle splitsingen van " + Str(n) + " ");
}

// An option: the same list and pictures, then the walk through the splits of n.
void frmsplits2::opt_Click(int n) {
  record::practised(Name, n);
  toonplaatjes(n);
  toonkaders(n);
  tmr0.setEnabled(true);
  lblsplits.setCaption(Str(n));
  vulsplitslijst();
  if (n != 10) lblbord.setCaption("");  // option 10 leaves it to the first step
  lblsplits2.setCaption(Str(n));
}

void frmsplits2::tmr0_Timer() {
  lblbord.setCaption("0 + . ");
  say(txtcijfersplits[0].text());
  tmr0.setEnabled(false);
  tmr1.setEnabled(true);
}

void frmsplits2::tmr1_Timer() {
  lblbord.setCaption("1 + . ");
  say(txtcijfersplits[1].text());
  shpwaarde[0].setBorderColor(Red);
  tmr1.setEnabled(false);
  tmr2.setEnabled(true);
}

// Step k of the walk: k + . on the board and frames 0 ... k - 1 red; the walk rests here
// when k is the chosen number.
void frmsplits2::tmr_Timer(int k) {
  herstelkaders();
  lblbord.setCaption(Str(k) + " + . ");
  say(txtcijfersplits[k].text());
  for (int i = 0; i < k; ++i) shpwaarde[i].setBorderColor(Red);
  if (!opt(k).value()) tmr(k + 1).setEnabled(true);
}

void frmsplits2::cmdstop2_Click() {
  wiskeuze();
  verbergkaders();
  tmr0.setEnabled(false);
  for (int k = 0; k <= 9; ++k) imgwaarde[k].setVisible(false);
  lblbord.setCaption("");
  screens::frmkiesbasis().Show();
  lblsplits2.setCaption("");
  lblinfor.setCaption(" ");
  Hide();
}

void frmsplits2::Form_Load() {
  wiskeuze();
  centre();
}

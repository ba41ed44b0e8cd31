#include "exercises/split_series/frmsplitsrijenA.h"

#include <QStringList>

#include "record/recorder.h"
#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"
#include "shell/number_image.h"

using namespace forms;

namespace {

// The ten-dot frame.
constexpr NumberImageGrid Stippen{600, 720, 540, 600};

// Green (0x0000FF00) marks a counted dot.

}  // namespace

frmsplitsrijenA::frmsplitsrijenA()
    : Form(Name, Kind::Free, QStringLiteral("splitsing memoriseren"), 11880, 7800, LightYellow) {
  Shape2.at(0, 0, 3855, 7815).filled(LightYellow).noBorder();
  Shape1.at(360, 600, 3135, 1215).filled(LightYellow).noBorder();
  Shape3.at(3960, 480, 4455, 7815).filled(LightGreen).noBorder();
  Shape5.at(3960, 0, 4455, 975).filled(Orange).noBorder();
  Shape4.at(8520, 0, 3375, 7815).filled(Orange).noBorder();

  // The keypad: 0 on its own, then 1 .. 5 and 6 .. 10 in two rows.
  const int keyLefts[] = {120, 840, 1560, 2280, 3000};
  for (int i = 0; i <= 10; ++i) {
    const int left = i == 0 ? 120 : keyLefts[(i - 1) % 5];
    const int top = i == 0 ? 2400 : (i <= 5 ? 3000 : 3600);
    cmdgetal[i]
        .at(left, top, 615, 495)
        .colour(Orange)
        .font({"MS Sans Serif", 13.5, true})
        .caption(Str(i));
  }
  // The split buttons: a grid of three columns; the last row has no middle button.
  const int startBoxes[11][2] = {{4440, 3840}, {5640, 3840}, {6840, 3840}, {4440, 4680},
                                 {5640, 4680}, {6840, 4680}, {4440, 5520}, {5640, 5520},
                                 {6840, 5520}, {4440, 6360}, {6840, 6360}};
  for (int i = 0; i <= 10; ++i)
    cmdstart[i]
        .at(startBoxes[i][0], startBoxes[i][1], 1095, 675)
        .colour(Purple)
        .picture(pictures::start())
        .name("splitsing " + Str(i + 1))
        .hidden();
  cmdstop.at(120, 6600, 1575, 915)
      .colour(DarkRed)
      .picture(pictures::stop())
      .leaves()
      .tooltip("stop !");

  // The ten-dot frame: two rows of five, filled column by column; dot 0 is never shown.
  shpbol[0].at(0, 6840, 375, 375).kind(ShapeKind::Circle).filled(Grey).hidden();
  for (int i = 1; i <= 10; ++i)
    shpbol[i]
        .at(Stippen.leftOf(i), Stippen.topOf(i), 375, 375)
        .kind(ShapeKind::Circle)
        .filled(Grey);

  // The split diagram: the number on top, two legs, the two parts below.
  lblstartgetal.at(5400, 1440, 975, 735)
      .colours(Teal, White)
      .border()
      .align(Align::Centre)
      .font({"Arial", 26.25});
  lblsplits1.at(4560, 2760, 975, 735)
      .colours(Teal, White)
      .border()
      .align(Align::Centre)
      .font({"Arial", 24});
  lblsplits2.at(6240, 2760, 975, 735)
      .colours(Teal, White)
      .border()
      .align(Align::Centre)
      .font({"Arial", 24});
  Line8.from(5760, 1680).to(5040, 2760).pen(White, 6);
  Line7.from(6000, 1680).to(6720, 2760).pen(White, 6);

  lblmemo[0]
      .at(8760, 960, 2895, 6135)
      .colours(Orange, Black)
      .align(Align::Centre)
      .font({"Arial", 21.75})
      .readAloud();
  lblkies.at(600, 4680, 2535, 615)
      .colours(LightYellow, Black)
      .align(Align::Centre)
      .font({"MS Sans Serif", 18})
      .caption("kies en klik")
      .readAloud();
  Label1.at(4800, 7200, 2535, 615)
      .colours(LightGreen, Black)
      .align(Align::Centre)
      .font({"MS Sans Serif", 18})
      .caption("klik en splits")
      .readAloud();
  lblgetal.at(4680, 120, 2175, 735).colours(Orange, Black).align(Align::Centre).font({"Arial", 36});
  Image2.at(11280, 7320, 480, 420).picture(pictures::logo()).tooltip(pictures::logoTooltip());

  // The legs start under the number's box and end at the parts' boxes.
  stacking({&lblstartgetal, &lblsplits1, &lblsplits2});

  cmdgetal.Click = [this](int i) { cmdgetal_Click(i); };
  cmdstart.Click = [this](int i) { cmdstart_Click(i); };
  cmdstop.Click = [this] { cmdstop_Click(); };
}

void frmsplitsrijenA::wisscherm() {
  for (int i = 0; i <= 10; ++i) cmdstart[i].setVisible(false);
  lblstartgetal.setCaption("");
  lblsplits1.setCaption("");
  lblsplits2.setCaption("");
  lblmemo[0].setCaption("");
}

void frmsplitsrijenA::cmdgetal_Click(int index) {
  record::practised(Name, index);
  for (int i = 0; i <= 10; ++i) shpbol[i].setBackColor(Grey);
  for (int i = 0; i <= index; ++i) shpbol[i].setBackColor(Green);
  getal = index;
  lblstartgetal.setCaption(Str(index));
  lblsplits1.setCaption("");
  lblsplits2.setCaption("");
  for (int i = 0; i <= 10; ++i) cmdstart[i].setVisible(false);
  for (int i = 0; i <= index; ++i) cmdstart[i].setVisible(true);
  for (int i = 0; i <= index; ++i) cmdstart[i].setEnabled(false);
  cmdstart[0].setEnabled(true);
  lblmemo[0].setCaption("");
}

void frmsplitsrijenA::cmdstart_Click(int index) {
  lblsplits1.setCaption(Str(index));
  splitsrij[index] = {index, getal - index};
  QStringList lines;
  for (int i = 0; i <= index; ++i)
    lines << Str(getal) + " = " + Str(splitsrij[i].deel1) + " + " + Str(splitsrij[i].deel2);
  lblmemo[0].setCaption(lines.join(CrLf));
  for (int i = 0; i <= index; ++i) cmdstart[i].setEnabled(false);
  if (index < 10) cmdstart[index + 1].setEnabled(true);
  lblsplits2.setCaption(Str(getal - index));
}

void frmsplitsrijenA::cmdstop_Click() {
  wisscherm();
  screens::frmkiesbasis().Show();
  Hide();
}

void frmsplitsrijenA::Form_Load() {
  centre();
  wisscherm();
}

void frmsplitsrijenA::Form_Activate() {
  centre();
  wisscherm();
}

#include "exercises/split_friends/frmsplitsrijenB.h"

#include <QStringList>

#include "record/recorder.h"
#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"
#include "shell/number_image.h"

using namespace forms;

namespace {

// The ten-dot frame.
constexpr NumberImageGrid Stippen{600, 720, 540, 600};

const Font Big{"Arial", 21.75};

}  // namespace

frmsplitsrijenB::frmsplitsrijenB()
    : Form(Name, Kind::Free, QStringLiteral("splitsing memoriseren"), 11880, 7800, LightYellow) {
  Shape2.at(0, 0, 3855, 7815).filled(LightYellow).noBorder();
  Shape1.at(360, 600, 3135, 1215).filled(LightYellow).noBorder();
  Shape3.at(3960, 480, 4455, 7815).filled(LightGreen).noBorder();
  Shape5.at(3960, 0, 4455, 975).filled(Orange).noBorder();
  Shape4.at(8520, 0, 3375, 7815).filled(Orange).noBorder();

  cmdstart.at(2040, 6600, 1575, 915).colour(Purple).picture(pictures::start()).name("start");
  cmdstop.at(120, 6600, 1575, 915)
      .colour(DarkRed)
      .picture(pictures::stop())
      .leaves()
      .tooltip("stop !");
  lblgetal.at(4680, 120, 2175, 735).colours(Orange, Black).font({"Arial", 36}).align(Align::Centre);
  const Picture check = Picture::svg(QStringLiteral(":/assets/frmsplitsrijenB/controle.svg"));
  for (int i = 0; i <= 9; ++i) {
    const int top = 1320 + 600 * i;
    lblsplits[i]
        .at(4320, top, 615, 615)
        .colours(Orange, Black)
        .border()
        .font(Big)
        .align(Align::Centre)
        .hidden();
    txtsplis[i]
        .at(6360, top, 615, 615)
        .colours(White, Black)
        .font(Big)
        .align(Align::Centre)
        .name("vriendje, rij " + Str(i + 1))
        .enterPresses(cmdeen[i])
        .hidden();
    cmdeen[i].at(7560, top, 735, 615).picture(check).name("controleer rij " + Str(i + 1)).hidden();
  }
  lblmemo[0]
      .at(9000, 720, 2535, 5655)
      .colours(Orange, Black)
      .font(Big)
      .align(Align::Centre)
      .readAloud();
  // Two rows of five dots, filled column by column: odd members on top.
  shpbol[0].at(0, 6840, 375, 375).kind(ShapeKind::Circle).filled(Grey).hidden();
  for (int i = 1; i <= 10; ++i)
    shpbol[i]
        .at(Stippen.leftOf(i), Stippen.topOf(i), 375, 375)
        .kind(ShapeKind::Circle)
        .filled(Grey)
        .hidden();
  // Arrows from the number down to the left column and to the answer column.
  Line1.from(4560, 360).to(4560, 1320).pen(Black, 3).hidden();
  Line2.from(4200, 1080).to(4560, 1320).pen(Black, 3).hidden();
  Line3.from(4920, 1080).to(4560, 1320).pen(Black, 3).hidden();
  Line4.from(6720, 360).to(6720, 1320).pen(Black, 3).hidden();
  Line5.from(7080, 1080).to(6720, 1320).pen(Black, 3).hidden();
  Line6.from(6360, 1080).to(6720, 1320).pen(Black, 3).hidden();
  Image2.at(11280, 7320, 480, 420).picture(pictures::logo()).tooltip(pictures::logoTooltip());

  cmdstart.Click = [this] { cmdstart_Click(); };
  txtsplis.Change = [this](int i) { txtsplis_Change(i); };
  txtsplis.Click = [this](int i) { txtsplis_Click(i); };
  cmdeen.Click = [this](int i) { cmdeen_Click(i); };
  cmdstop.Click = [this] { cmdstop_Click(); };
}

// ---------------------------------------------------------------- procedures

void frmsplitsrijenB::wisscherm() {
  for (int i = 0; i <= 9; ++i) {
    lblsplits[i].setCaption("");
    lblsplits[i].setVisible(false);
  }
  for (int i = 0; i <= 9; ++i) {
    txtsplis[i].setText("");  // an answer being emptied hides the dots
    txtsplis[i].setBackColor(White);
    txtsplis[i].setVisible(false);
  }
  for (int i = 0; i <= 9; ++i) cmdeen[i].setVisible(false);
  lblmemo[0].setCaption("");
  for (Line* line : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6}) line->setVisible(false);
  lblgetal.setCaption("");
}

void frmsplitsrijenB::begrenslinks() {
  for (int i = 1; i <= 10; ++i)
    if (linksegetallen[i] > getal) linksegetallen[i] = getal - 1;
}

void frmsplitsrijenB::vullinks() {
  const int order[10] = {2, 1, 4, 3, 6, 5, 7, 8, 9, 10};
  for (int i = 0; i <= 9; ++i) lblsplits[i].setCaption(Str(linksegetallen[order[i]]));
}

// ---------------------------------------------------------------- handlers

void frmsplitsrijenB::cmdstart_Click() {
  wisscherm();
  Randomize();
  for (int i = 1; i <= 10; ++i) linksegetallen[i] = i;
  getal = Int(Rnd() * 9 + 1);
  lblgetal.setCaption(Str(getal));
  for (int i = 0; i <= getal; ++i) {
    lblsplits[i].setVisible(true);
    txtsplis[i].setVisible(true);
  }
  txtsplis[0].SetFocus();
  for (Line* line : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6}) line->setVisible(true);
  begrenslinks();
  vullinks();
  record::ready(Name);
}

void frmsplitsrijenB::txtsplis_Change(int index) {
  cmdeen[index].setVisible(true);
  txtsplis[index].setForeColor(Black);
  for (int i = 1; i <= 10; ++i) {
    shpbol[i].setBackColor(Grey);
    shpbol[i].setVisible(false);
  }
}

void frmsplitsrijenB::txtsplis_Click(int index) {
  txtsplis[index].setText("");
  txtsplis[index].setBackColor(White);
  for (int i = 0; i <= 9; ++i) cmdeen[i].setVisible(false);
  lblmemo[0].setCaption("");
  for (int i = 1; i <= getal; ++i) shpbol[i].setVisible(false);
}

void frmsplitsrijenB::cmdeen_Click(int index) {
  TextBox& antwoord = txtsplis[index];
  lblmemo[0].setCaption("");
  if (!IsNumeric(antwoord.text())) antwoord.setText("0");
  antwoord.setForeColor(White);
  const QString a = lblsplits[index].caption();
  vriendje = CInt(getal - Val(a));
  record::answer(Name, getal, CInt(Val(a)), antwoord.text(), Val(antwoord.text()) == vriendje);
  if (Val(antwoord.text()) == vriendje) {
    antwoord.setBackColor(DeepTeal);
    const QString b = Str(vriendje);
    const QString n = Str(getal);
    lblmemo[0].setCaption(QStringList{a + " + " + b + " = " + n, b + " + " + a + " = " + n, "",
                                      n + " = " + b + " + " + a, n + " = " + a + " + " + b, "",
                                      a + " = " + n + " - " + b, b + " = " + n + " - " + a}
                              .join(CrLf));
    // The next friend is typed in the next row.
    if (index < getal) txtsplis[index + 1].SetFocus();
  } else {
    antwoord.setBackColor(Red);
  }
  // The split as dots: N dots, the first a green and the rest grey (also when another
  // row's check left more dots green).
  const int groen = CInt(Val(a));
  for (int i = 1; i <= getal; ++i) {
    shpbol[i].setVisible(true);
    shpbol[i].setBackColor(i <= groen ? BrightGreen : Grey);
  }
  cmdeen[index].setVisible(false);
}

void frmsplitsrijenB::cmdstop_Click() {
  wisscherm();
  screens::frmkiesbasis().Show();
  Hide();
}

void frmsplitsrijenB::Form_Load() {
  centre();
}

#include "exercises/number_image_splitting/frmsplitsbeeldB.h"

#include "record/recorder.h"
#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace forms;

namespace {

// Rows 2 to 10; the button of a + b stands at 720 + 960 * a. The names follow the
// layout as it grew (row 3 has cmd3d before cmd3c, row 9 skips cmd9j), and two captions
// carry a trailing blank.
// clang-format off
constexpr frmsplitsbeeldB::Splitsing Splitsingen[] = {
    {"cmd2", "0 + 2", 2, 0, 2},    {"cmd2b", "1 + 1", 2, 1, 1},   {"cmd2c", "2 + 0 ", 2, 2, 0},

    {"cmd3a", "0 + 3 ", 3, 0, 3},  {"cmd3b", "1 + 2", 3, 1, 2},   {"cmd3d", "2 + 1", 3, 2, 1},
    {"cmd3c", "3 + 0", 3, 3, 0},

    {"cmd4a", "0 + 4", 4, 0, 4},   {"cmd4b", "1 + 3", 4, 1, 3},   {"cmd4e", "2 + 2", 4, 2, 2},
    {"cmd4c", "3 + 1", 4, 3, 1},   {"cmd4d", "4 + 0", 4, 4, 0},

    {"cmd5a", "0 + 5", 5, 0, 5},   {"cmd5b", "1 + 4", 5, 1, 4},   {"cmd5c", "2 + 3", 5, 2, 3},
    {"cmd5d", "3 + 2", 5, 3, 2},   {"cmd5e", "4 + 1", 5, 4, 1},   {"cmd5f", "5 + 0", 5, 5, 0},

    {"cmd6a", "0 + 6", 6, 0, 6},   {"cmd6b", "1 + 5", 6, 1, 5},   {"cmd6c", "2 + 4", 6, 2, 4},
    {"cmd6d", "3 + 3", 6, 3, 3},   {"cmd6e", "4 + 2", 6, 4, 2},   {"cmd6f", "5 + 1", 6, 5, 1},
    {"cmd6g", "6 + 0", 6, 6, 0},

    {"cmd7a", "0 + 7", 7, 0, 7},   {"cmd7b", "1 + 6", 7, 1, 6},   {"cmd7c", "2 + 5", 7, 2, 5},
    {"cmd7d", "3 + 4", 7, 3, 4},   {"cmd7e", "4 + 3", 7, 4, 3},   {"cmd7f", "5 + 2", 7, 5, 2},
    {"cmd7g", "6 + 1", 7, 6, 1},   {"cmd7h", "7 + 0", 7, 7, 0},

    {"cmd8a", "0 + 8", 8, 0, 8},   {"cmd8b", "1 + 7", 8, 1, 7},   {"cmd8c", "2 + 6", 8, 2, 6},
    {"cmd8d", "3 + 5", 8, 3, 5},   {"cmd8e", "4 + 4", 8, 4, 4},   {"cmd8f", "5 + 3", 8, 5, 3},
    {"cmd8g", "6 + 2", 8, 6, 2},   {"cmd8h", "7 + 1", 8, 7, 1},   {"cmd8i", "8 + 0", 8, 8, 0},

    {"cmd9a", "0 + 9", 9, 0, 9},   {"cmd9b", "1 + 8", 9, 1, 8},   {"cmd9c", "2 + 7", 9, 2, 7},
    {"cmd9d", "3 + 6", 9, 3, 6},   {"cmd9e", "4 + 5", 9, 4, 5},   {"cmd9f", "5 + 4", 9, 5, 4},
    {"cmd9g", "6 + 3", 9, 6, 3},   {"cmd9h", "7 + 2", 9, 7, 2},   {"cmd9i", "8 + 1", 9, 8, 1},
    {"cmd9k", "9 + 0", 9, 9, 0},

    {"cmd10a", "0 + 10", 10, 0, 10}, {"cmd10b", "1 + 9", 10, 1, 9}, {"cmd10c", "2 + 8", 10, 2, 8},
    {"cmd10d", "3 + 7", 10, 3, 7},   {"cmd10e", "4 + 6", 10, 4, 6}, {"cmd10f", "5 + 5", 10, 5, 5},
    {"cmd10g", "6 + 4", 10, 6, 4},   {"cmd10h", "7 + 3", 10, 7, 3}, {"cmd10i", "8 + 2", 10, 8, 2},
    {"cmd10j", "9 + 1", 10, 9, 1},   {"cmd10k", "10 + 0", 10, 10, 0},
};
// clang-format on

static_assert(std::size(Splitsingen) == 63, "one button per split of 2 to 10");

QString instructie() {
  return CrLf + " kies een " + CrLf + " getal " + CrLf + " klik en kijk " + CrLf + " onderaan " +
         CrLf + " hoe het getal" + CrLf + " gesplitst kan worden . ";
}

}  // namespace

int frmsplitsbeeldB::snede(int n, int a, int b) {
  if (n % 2 == 0) return a;
  return a % 2 == 0 ? a : b;
}

std::vector<std::unique_ptr<CommandButton>> frmsplitsbeeldB::maakSplitsknoppen() {
  std::vector<std::unique_ptr<CommandButton>> knoppen;
  for (const Splitsing& s : Splitsingen)
    knoppen.push_back(std::make_unique<CommandButton>(this, s.name));
  return knoppen;
}

frmsplitsbeeldB::frmsplitsbeeldB()
    : Form(Name, Kind::Free, QStringLiteral("SPLITSEN VAN GETALBEELDEN"), 11880, 7920, 0x00D6D6D6) {
  // The instruction panel and the split diagram.
  lblles.at(9120, 120, 2655, 4935)
      .colours(Teal, White)
      .font({"Arial", 14.25, false, true})
      .readAloud();
  lblstartgetal.at(9960, 2880, 975, 735).colours(Teal, White).font({"Arial", 26.25});
  lblsplits1.at(9120, 4200, 975, 735).colours(Teal, White).font({"Arial", 24});
  lblsplits2.at(10800, 4200, 975, 735).colours(Teal, White).font({"Arial", 24});
  Line1.from(10320, 3120).to(9600, 4200).pen(White, 6);
  Line2.from(10560, 3120).to(11280, 4200).pen(White, 6);

  // The number pictures: two rows of five squares in columns of 1200 twips.
  for (int n = 1; n <= 10; ++n)
    beeld(n)
        .at(1680, 2520, 6000, 3000)
        .picture(Picture::svg(QStringLiteral(":/assets/frmsplitsbeeldB/beeld%1.svg").arg(n)))
        .hidden();

  // The cut marks, in the gaps between the columns and between the two rows.
  struct Streep {
    Shape& shape;
    Box box;
  };
  const Streep marks[] = {
      {shp2a, {1680, 1680, 135, 4215}}, {shp2, {2880, 1680, 135, 4215}},
      {shp4, {4080, 1680, 135, 4215}},  {shp6, {5200, 1680, 135, 4215}},
      {shp8, {6360, 1680, 135, 4215}},  {shp10, {7560, 1680, 135, 4215}},
      {shp1a, {2880, 1680, 135, 2295}}, {shp1b, {1680, 3840, 1335, 135}},
      {shp3a, {4080, 1680, 135, 2295}}, {shp3b, {2880, 3840, 135, 2055}},
      {shp3c, {2880, 3840, 1335, 135}}, {shp5a, {5200, 1680, 135, 2295}},
      {shp5b, {4080, 3840, 135, 2055}}, {shp5c, {4080, 3840, 1215, 135}},
      {shp7a, {6360, 1680, 135, 2295}}, {shp7b, {5200, 3840, 135, 2055}},
      {shp7c, {5280, 3840, 1095, 135}}, {shp9a, {7560, 1680, 135, 2295}},
      {shp9b, {6360, 3840, 135, 2055}}, {shp9c, {6480, 3840, 1215, 135}},
  };
  for (const Streep& m : marks)
    m.shape.at(m.box.left, m.box.top, m.box.width, m.box.height).filled(Red).noBorder().hidden();

  // The number buttons.
  struct Getalknop {
    CommandButton& button;
    int n;
    int left;
  };
  const Getalknop getallen[] = {
      {cmd2topplus, 2, 1935}, {cmd3topplus, 3, 2550}, {cmd4topplus, 4, 3165},
      {cmd5topplus, 5, 3765}, {cmd6topplus, 6, 4380}, {cmd7topplus, 7, 4995},
      {cmd8topplus, 8, 5610}, {cmd9topplus, 9, 6240}, {cmd1topplus, 10, 6840},
  };
  for (const Getalknop& g : getallen) {
    g.button.at(g.left, 600, 495, 495)
        .colour(LightGreen)
        .font({"MS Sans Serif", 9.75, true})
        .caption(Str(g.n));
    const int n = g.n;
    g.button.Click = [this, n] { cmdtopplus_Click(n); };
  }

  // The split buttons, one row per number, hidden until a number is chosen.
  for (std::size_t i = 0; i < splitsknoppen.size(); ++i) {
    const Splitsing& s = Splitsingen[i];
    splitsknoppen[i]
        ->at(720 + 960 * s.a, 6600, 855, 495)
        .colour(White)
        .font({"Arial", 12, true})
        .caption(QString::fromLatin1(s.caption))
        .hidden();
    splitsknoppen[i]->Click = [this, &s] { cmdsplitsing_Click(s); };
  }

  cmdstop2.at(9840, 5040, 1095, 855)
      .colour(DarkRed)
      .picture(pictures::stop())
      .leaves()
      .tooltip("stop !");

  // Decoration.
  Shape1.at(480, 1680, 8535, 4215).filled(LightOrange).noBorder();
  Shape2.at(480, 1440, 8535, 135).filled(Red).noBorder();
  Shape4.at(480, 120, 8535, 1215).filled(Grey).outline(Grey);
  Shape5.at(480, 6240, 11295, 1215).filled(Grey).outline(Grey);
  Shape3.at(480, 6000, 11295, 135).filled(Red).noBorder();
  Shape6.at(480, 7560, 11295, 135).filled(Red).noBorder();
  Shape8.at(0, 0, 375, 7695).filled(Red).noBorder();
  Image1.at(11160, 5400, 480, 420).picture(pictures::logo()).tooltip(pictures::logoTooltip());

  cmdstop2.Click = [this] { cmdstop2_Click(); };
}

Image& frmsplitsbeeldB::beeld(int n) {
  Image* const beelden[] = {&imgbeeld1, &imgbeeld2, &imgbeeld3, &imgbeeld4, &imgbeeld5,
                            &imgbeeld6, &imgbeeld7, &imgbeeld8, &imgbeeld9, &imgbeeld10};
  return *beelden[n - 1];
}

std::vector<Shape*> frmsplitsbeeldB::strepen(int k) {
  const std::vector<Shape*> snedes[] = {
      {&shp2a}, {&shp1a, &shp1b},         {&shp2},  {&shp3a, &shp3b, &shp3c},
      {&shp4},  {&shp5a, &shp5b, &shp5c}, {&shp6},  {&shp7a, &shp7b, &shp7c},
      {&shp8},  {&shp9a, &shp9b, &shp9c}, {&shp10},
  };
  return snedes[k];
}

// ---------------------------------------------------------------- procedures

void frmsplitsbeeldB::verbergknoppen() {
  for (auto& knop : splitsknoppen) knop->setVisible(false);
}

void frmsplitsbeeldB::verbergbeelden() {
  for (int n = 1; n <= 10; ++n) beeld(n).setVisible(false);
}

void frmsplitsbeeldB::verbergstrepen() {
  for (int k = 0; k <= 10; ++k)
    for (Shape* streep : strepen(k)) streep->setVisible(false);
}

// ---------------------------------------------------------------- handlers

void frmsplitsbeeldB::Form_Load() {
  centre();
  lblles.setCaption(instructie());
  lblstartgetal.setCaption("");
  lblsplits1.setCaption("");
  lblsplits2.setCaption("");
}

// Activation repeats the load steps: centred again, the instruction and an empty diagram.
void frmsplitsbeeldB::Form_Activate() {
  Form_Load();
}

void frmsplitsbeeldB::cmdtopplus_Click(int n) {
  record::practised(Name, n);
  verbergknoppen();
  verbergstrepen();
  verbergbeelden();
  for (std::size_t i = 0; i < splitsknoppen.size(); ++i)
    if (Splitsingen[i].n == n) splitsknoppen[i]->setVisible(true);
  lblstartgetal.setCaption(Str(n));
  lblsplits1.setCaption("");
  lblsplits2.setCaption("");
}

void frmsplitsbeeldB::cmdsplitsing_Click(const Splitsing& splitsing) {
  verbergstrepen();
  verbergbeelden();
  beeld(splitsing.n).setVisible(true);
  for (Shape* streep : strepen(snede(splitsing.n, splitsing.a, splitsing.b)))
    streep->setVisible(true);
  lblsplits1.setCaption(Str(splitsing.a));
  lblsplits2.setCaption(Str(splitsing.b));
  say(lblstartgetal.caption() + " = " + lblsplits1.caption() + " + " + lblsplits2.caption());
}

void frmsplitsbeeldB::cmdstop2_Click() {
  verbergknoppen();
  verbergbeelden();
  verbergstrepen();
  lblstartgetal.setCaption("");
  lblsplits1.setCaption("");
  lblsplits2.setCaption("");
  screens::frmkiesbasis().Show();
  Hide();
}

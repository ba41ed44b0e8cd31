#include "exercises/look_and_split/frmsplits1.h"

#include "record/recorder.h"
#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace forms;

namespace {

Picture asset(const QString& file) {
  return Picture::svg(QStringLiteral(":/assets/frmsplits1/%1.svg").arg(file));
}

void hideAll(ControlArray<Image>& pictures) {
  for (int i = pictures.lowest(); i <= pictures.highest(); ++i) pictures[i].setVisible(false);
}

}  // namespace

frmsplits1::frmsplits1()
    : Form(Name, Kind::Free, QStringLiteral("Kijk en splits"), 11880, 7935, Straw) {
  // Buttons.
  cmdstop.at(840, 6960, 1215, 735).colour(0x00000080).picture(pictures::stop()).leaves();
  cmdkies.at(2400, 6960, 1215, 735)
      .colour(0x0000C000)
      .picture(asset("kiezen"))
      .name("een ander getal splitsen")
      .hidden();
  cmdallesweg.at(3840, 6960, 1215, 735)
      .colour(0x000080FF)
      .picture(asset("opnieuw"))
      .name("hetzelfde getal splitsen")
      .hidden();
  for (int n = 3; n <= 10; ++n)
    getalknop(n).at(480, 1320, 1215, 855).caption(Str(n)).font({"MS Sans Serif", 13.5}).hidden();
  for (int k = 0; k <= 10; ++k) {
    links[k]
        ->at(120 + 480 * k, 5640, 495, 495)
        .caption(Str(k))
        .font({"MS Sans Serif", 12, true})
        .hidden();
    rechts[k]
        ->at(3480 + 480 * k, 6240, 495, 495)
        .caption(Str(k))
        .font({"MS Sans Serif", 12, true})
        .hidden();
  }

  // Pictures.
  const int pictureLeft[] = {480, 1388, 2296, 3204, 4112, 5020, 5928, 6840};
  for (int n = 3; n <= 10; ++n)
    prenten[n - 3]
        ->at(pictureLeft[n - 3], 120, 405, 495)
        .picture(asset(QStringLiteral("getal%1").arg(n)))
        .name(Str(n));
  for (int i = 0; i <= 9; ++i) {
    const int column = 600 * (i / 2);
    const int row = i % 2 == 0 ? 0 : 600;
    imgboltotaal[i].at(2520 + column, 1320 + row, 480, 480).picture(asset("bol")).hidden();
    imgbol[i].at(360 + column, 4200 + row, 480, 480).picture(asset("bolrood")).hidden();
    imgbolrest[i].at(4200 + column, 4200 + row, 480, 480).picture(asset("bollach")).hidden();
  }
  const struct {
    Box box;
    Picture figure;
  } rewards[] = {
      {{9480, 6000, 1185, 1290}, asset("beer")},
      {{9360, 5880, 1230, 1320}, asset("held")},
      {{9480, 6240, 1185, 990}, Picture::svg(":/assets/common/schildpad.svg")},
      {{9360, 6120, 1215, 1035}, asset("robot")},
      {{9360, 6000, 1365, 1170}, asset("pinguin")},
      {{9480, 5880, 1140, 1275}, asset("fee")},
      {{9360, 5880, 1185, 1245}, asset("eenhoorn")},
      {{9360, 6120, 1260, 1035}, asset("dino")},
  };
  for (int i = 0; i <= 7; ++i) {
    const Box& b = rewards[i].box;
    imgpop[i].at(b.left, b.top, b.width, b.height).picture(rewards[i].figure).hidden();
  }
  Image1.at(11280, 7440, 480, 420).picture(pictures::logo()).tooltip(pictures::logoTooltip());

  // Labels: the diagram, the sums and the digits in Arial; the holders stay hidden.
  const Font groot{"Arial", 48}, cijfer{"Arial", 24}, teken{"Arial", 27.75};
  const auto arial = [](Label& label, int left, int top, int width, int height,
                        const Font& font) -> Label& {
    return label.at(left, top, width, height).colours(Straw, Black).font(font).align(Align::Centre);
  };
  arial(lblstartgetal, 9120, 240, 1335, 975, groot);
  arial(lblsplits1, 8280, 2400, 1335, 975, groot);
  arial(lblsplits2, 10080, 2400, 1335, 975, groot);
  arial(lblsom1, 8400, 3960, 495, 495, cijfer).hidden();
  arial(lblgelijk1, 8880, 3960, 495, 495, teken).caption("=").hidden();
  arial(lbleen, 9480, 3960, 495, 495, cijfer).hidden();
  arial(lblplus, 10080, 3960, 495, 495, teken).caption("+").hidden();
  arial(lbltwee, 10680, 3960, 495, 495, cijfer).hidden();
  arial(lbleenb, 8400, 4680, 495, 495, cijfer).hidden();
  arial(lblplusb, 9000, 4680, 495, 495, teken).caption("+").hidden();
  arial(lbltweeb, 9600, 4680, 495, 495, cijfer).hidden();
  arial(lblgelijk2, 10200, 4680, 495, 495, teken).caption("=").hidden();
  arial(lblsom2, 10800, 4680, 495, 495, cijfer).hidden();
  arial(lblgetal1, 1440, 5640, 735, 615, cijfer).align(Align::Left);
  arial(lblplus2, 5040, 5640, 375, 495, teken).caption("+").hidden();
  arial(lblgetal2, 5520, 5640, 735, 615, cijfer).align(Align::Left);
  lblhint.at(5520, 120, 735, 495).colours(Straw, Black).font({"MS Sans Serif", 13.5}).hidden();
  lblmult1.at(120, 7200, 735, 735)
      .colours(0x00C0FFFF, Black)
      .font({"MS Sans Serif", 13.5})
      .hidden();
  lblmult2.at(960, 7200, 855, 735)
      .colours(0x0080C0FF, Black)
      .font({"MS Sans Serif", 13.5})
      .hidden();

  // Lines.
  Line1.from(9840, 1320).to(9120, 2400).pen(Black, 6).hidden();
  Line2.from(9840, 1320).to(10560, 2400).pen(Black, 6).hidden();
  Line3.from(3600, 2520).to(1680, 4080).pen(Rust, 5).hidden();
  Line4.from(3720, 2520).to(5520, 4080).pen(Rust, 5).hidden();
  lineongelijk1.from(9240, 4080).to(9000, 4440).pen(Black, 3).hidden();
  lineongelijk2.from(10560, 4800).to(10320, 5160).pen(Black, 3).hidden();

  // Frames; the white reward square lies under the reward figures.
  const auto frame = [](Shape& shape, int left, int top, int width, int height) -> Shape& {
    return shape.at(left, top, width, height).kind(ShapeKind::RoundedRectangle).outline(Rust, 5);
  };
  frame(Shape3, 2160, 1080, 3615, 1455);
  frame(Shape1, 120, 4080, 3495, 1455);
  frame(Shape2, 3960, 4080, 3495, 1455);
  frame(shprand, 8040, 120, 3615, 3615);
  frame(Shape4, 8040, 3840, 3615, 1695);
  frame(Shape5, 120, 6840, 7335, 975);
  frame(Shape6, 9120, 5640, 1935, 1935).filled(White);
  stacking({&Shape6, &imgpop[0], &imgpop[1], &imgpop[2], &imgpop[3], &imgpop[4], &imgpop[5],
            &imgpop[6], &imgpop[7]});

  // Handlers.
  for (int n = 3; n <= 10; ++n) {
    prenten[n - 3]->Click = [this, n] { imggetal_Click(n); };
    getalknop(n).Click = [this, n] { cmdgetal_Click(n); };
  }
  for (int k = 0; k <= 10; ++k) {
    CommandButton* left = links[k];
    CommandButton* right = rechts[k];
    left->Click = [this, left] { cmdlinks_Click(*left); };
    right->Click = [this, right] { cmdrechts_Click(*right); };
  }
  cmdallesweg.Click = [this] { cmdallesweg_Click(); };
  cmdkies.Click = [this] { cmdkies_Click(); };
  cmdstop.Click = [this] { cmdstop_Click(); };
}

// ---------------------------------------------------------------- procedures

void frmsplits1::toontoetsen(int n) {
  for (int k = 0; k <= n; ++k) {
    links[k]->setVisible(true);
    rechts[k]->setVisible(true);
  }
  for (int k = n + 1; k <= 10; ++k) {
    links[k]->setVisible(false);
    rechts[k]->setVisible(false);
  }
  for (int k = 0; k <= n; ++k) rechts[k]->setEnabled(false);
}

void frmsplits1::verbergtoetsen() {
  verberglinks();
  verbergrechts();
}

void frmsplits1::verberglinks() {
  for (CommandButton* key : links) key->setVisible(false);
}

void frmsplits1::verbergrechts() {
  for (CommandButton* key : rechts) key->setVisible(false);
}

void frmsplits1::rechtsaan() {
  for (CommandButton* key : rechts) key->setEnabled(true);
}

void frmsplits1::verberggetalknoppen() {
  for (CommandButton* button : getalknoppen) button->setVisible(false);
}

void frmsplits1::toonzelfdegetal() {
  for (int n = 3; n <= 10; ++n)
    if (Val(lblhint.caption()) == n) getalknop(n).setVisible(true);
}

void frmsplits1::toonplussen() {
  lblplus.setVisible(true);
  lblplus2.setVisible(true);
  lblplusb.setVisible(true);
}

void frmsplits1::verbergplussen() {
  lblplus.setVisible(false);
  lblplus2.setVisible(false);
  lblplusb.setVisible(false);
}

void frmsplits1::wisbewerkingen() {
  verbergplussen();
  lblgelijk1.setVisible(false);
  lblgelijk2.setVisible(false);
  lbleen.setVisible(false);
  lbleenb.setVisible(false);
  lbleen.setCaption("");
  lbleenb.setCaption("");
  lbltwee.setCaption("");
  lbltweeb.setCaption("");
  lblsom1.setCaption("");
  lblsom2.setCaption("");
  lbltwee.setVisible(false);
  lbltweeb.setVisible(false);
  lblsom1.setVisible(false);
  lblsom2.setVisible(false);
  lblstartgetal.setCaption("");
  Line1.setVisible(false);
  Line2.setVisible(false);
  lblsplits1.setCaption("");
  lblsplits2.setCaption("");
}

void frmsplits1::toonbewerkingen() {
  lblgelijk1.setVisible(true);
  lblgelijk2.setVisible(true);
  lbleen.setVisible(true);
  lbleenb.setVisible(true);
  lbltwee.setVisible(true);
  lbltweeb.setVisible(true);
  lblsom1.setVisible(true);
  lblsom2.setVisible(true);
  lblgelijk1.setCaption("=");
  lblgelijk2.setCaption("=");
  lblplus.setVisible(true);
  lblplusb.setVisible(true);
}

void frmsplits1::toonprenten() {
  for (Image* picture : prenten) picture->setVisible(true);
}

void frmsplits1::verbergprenten() {
  for (Image* picture : prenten) picture->setVisible(false);
}

void frmsplits1::toonbenen() {
  Line1.setVisible(true);
  Line2.setVisible(true);
  Line3.setVisible(true);
  Line4.setVisible(true);
}

void frmsplits1::verbergbenen() {
  Line1.setVisible(false);
  Line2.setVisible(false);
  Line3.setVisible(false);
  Line4.setVisible(false);
  shprand.setBorderColor(Rust);
}

// The first three steps of another number, which the stop button shares: the split, the
// dots, the digits, the sums, the colours and the chosen number are all wiped.
void frmsplits1::wisalles() {
  hideAll(imgbol);
  hideAll(imgboltotaal);
  lblmult2.setCaption("");
  lblmult1.setCaption("");
  hideAll(imgpop);
  hideAll(imgbolrest);
  lblgetal1.setCaption("");
  lblgetal2.setCaption("");

  verberggetalknoppen();
  verbergtoetsen();
  lblplus2.setVisible(false);
  wisbewerkingen();

  cmdkies.setVisible(false);
  cmdallesweg.setVisible(false);
  herstelkleuren();
  lblhint.setCaption("");
}

// ---------------------------------------------------------------- judging

void frmsplits1::controleerlinks() {
  if (lblgetal1.caption() != lblmult1.caption()) {
    lineongelijk1.setVisible(true);
    lineongelijk2.setVisible(true);
    Line1.setBorderColor(Red);
    lbleen.setBackColor(Red);
    lbleenb.setBackColor(Red);
    lblsplits1.setBackColor(Red);
  }
}

void frmsplits1::controleerrechts() {
  const int som = CInt(Val(lblsom1.caption()));
  const int een = CInt(Val(lbleen.caption()));
  const int twee = CInt(Val(lbltwee.caption()));
  if (lblgetal2.caption() != lblmult2.caption()) {
    lineongelijk1.setVisible(true);
    lineongelijk2.setVisible(true);
    Line2.setBorderColor(Red);
    lbltwee.setBackColor(Red);
    lbltweeb.setBackColor(Red);
    lblsplits2.setBackColor(Red);
  }
  if (een + twee == som) {
    lineongelijk1.setVisible(false);
    lineongelijk2.setVisible(false);
    Line2.setBorderColor(Tangerine);
    Line1.setBorderColor(Tangerine);
    for (Label* part : {&lbltwee, &lbltweeb, &lblsplits1, &lblsplits2, &lbleen, &lbleenb})
      part->setBackColor(Tangerine);
    toonbeloning();
  }
  if (Val(lblmult1.caption()) != een && Val(lblmult2.caption()) != twee) {
    shprand.setBorderColor(Red);
    hideAll(imgpop);
  }
}

void frmsplits1::toonbeloning() {
  Randomize();
  beloning = Int(Rnd() * 8.0f);
  imgpop[beloning].setVisible(true);
}

void frmsplits1::herstelkleuren() {
  lineongelijk1.setVisible(false);
  lineongelijk2.setVisible(false);
  Line1.setBorderColor(Black);
  Line2.setBorderColor(Black);
  for (Label* part : {&lbleen, &lbleenb, &lblsplits1, &lbltwee, &lbltweeb, &lblsplits2})
    part->setBackColor(Straw);
}

// ---------------------------------------------------------------- handlers

// A click on the picture of n (imgdrie_Click .. imgtien_Click): n is chosen.
void frmsplits1::imggetal_Click(int n) {
  getalknop(n).setVisible(true);
  verbergprenten();
  for (int i = 0; i <= n - 1; ++i) imgboltotaal[i].setVisible(true);
  cmdstop.setVisible(false);
}

// A click on the number button of n (cmddrie_Click .. cmdtien_Click): a new split of n.
void frmsplits1::cmdgetal_Click(int n) {
  toontoetsen(n);
  Randomize();
  deel1 = Int(Rnd() * static_cast<float>(n));
  lblmult1.setCaption(Str(deel1));
  deel2 = n - deel1;
  lblmult2.setCaption(Str(deel2));
  for (int i = 0; i <= deel1 - 1; ++i) imgbol[i].setVisible(true);
  for (int i = 0; i <= deel2 - 1; ++i) imgbolrest[i].setVisible(true);
  const QString getal = getalknop(n).caption();
  lblstartgetal.setCaption(getal);
  lblsom1.setCaption(getal);
  lblsom2.setCaption(getal);
  lblhint.setCaption(getal);
  verberggetalknoppen();
  toonbenen();
  if (n == 4) cmdallesweg.setVisible(true);
  record::ready(Name);
}

// A click on a left key (cmdlinks0_Click .. cmdlinks10_Click): the first digit.
void frmsplits1::cmdlinks_Click(const CommandButton& key) {
  lblgetal1.setCaption(key.caption());
  lblsplits1.setCaption(key.caption());
  lbleen.setCaption(key.caption());
  lbleenb.setCaption(key.caption());
  verberglinks();
  rechtsaan();
  toonbewerkingen();
  controleerlinks();
}

// A click on a right key (cmdrechts0_Click .. cmdrechts10_Click): the second digit.
void frmsplits1::cmdrechts_Click(const CommandButton& key) {
  lblgetal2.setCaption(key.caption());
  lblplus2.setVisible(true);
  lblsplits2.setCaption(key.caption());
  lbltwee.setCaption(key.caption());
  lbltweeb.setCaption(key.caption());
  toonplussen();
  controleerrechts();
  record::answer(
      Name, deel1 + deel2, deel1, lblgetal1.caption() + "+" + lblgetal2.caption(),
      lblgetal1.caption() == lblmult1.caption() && lblgetal2.caption() == lblmult2.caption());
  cmdallesweg.setVisible(true);
  cmdkies.setVisible(true);
  verbergrechts();
  say({&lblsom1, &lblgelijk1, &lbleen, &lblplus, &lbltwee});
  say({&lbleenb, &lblplusb, &lbltweeb, &lblgelijk2, &lblsom2});
}

void frmsplits1::cmdallesweg_Click() {
  hideAll(imgbol);
  hideAll(imgpop);
  lblmult2.setCaption("");
  lblmult1.setCaption("");
  hideAll(imgbolrest);
  lblgetal1.setCaption("");
  lblgetal2.setCaption("");

  verberggetalknoppen();
  verbergtoetsen();
  lblplus2.setVisible(false);
  wisbewerkingen();

  toonzelfdegetal();

  cmdkies.setVisible(false);
  cmdallesweg.setVisible(false);
  herstelkleuren();
  verbergbenen();
}

void frmsplits1::cmdkies_Click() {
  wisalles();
  cmdstop.setVisible(false);
  toonprenten();
  verbergbenen();
  cmdstop.setVisible(true);
}

void frmsplits1::cmdstop_Click() {
  wisalles();
  cmdstop.setVisible(false);
  toonprenten();
  verbergbenen();
  screens::frmkiesbasis().Show();
  Hide();
}

void frmsplits1::Form_Load() {
  centre();
}

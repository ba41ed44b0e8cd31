#include "shell/frmwiebenjij.h"

#include <cmath>

#include "record/classlist.h"
#include "record/namefit.h"
#include "record/recorder.h"
#include "shell/frmkiesbasis.h"

using namespace forms;

namespace {

// The area the name buttons share, in twips.
constexpr int AreaLeft = 360, AreaTop = 1560, AreaWidth = 11160, AreaHeight = 5520;
constexpr int Gap = 120;
constexpr int MaxButtonWidth = 3000, MaxButtonHeight = 2520;
const Font NameFont{"MS Sans Serif", 14, true};

}  // namespace

frmwiebenjij::frmwiebenjij()
    : Form(Name, Kind::Free, QStringLiteral("Wie ben jij?"), 11880, 7935, Cream) {
  lblvraag.at(360, 240, 11160, 780)
      .colours(Cream, Navy)
      .font({"MS Sans Serif", 24, true})
      .align(Align::Centre)
      .caption("Wie ben jij?");
  lbluitleg.at(360, 1020, 11160, 420)
      .colours(Cream, Navy)
      .font({"MS Sans Serif", 12, true})
      .align(Align::Centre)
      .caption("Klik op je eigen naam.");
  for (auto& [index, button] : cmdkind)
    button->at(AreaLeft, AreaTop, MaxButtonWidth, MaxButtonHeight)
        .colour(White)
        .font(NameFont)
        .hidden();
  cmdniet.at(8880, 7200, 2640, 495)
      .colour(White)
      .font({"MS Sans Serif", 9.75, true})
      .caption("Ik sta er niet bij");

  cmdkind.Click = [this](int index) { cmdkind_Click(index); };
  cmdniet.Click = [this] { cmdniet_Click(); };
}

// ---------------------------------------------------------------- procedures

void frmwiebenjij::vulknoppen() {
  const QList<record::Child> kinderen = record::alphabetical(record::classList());
  const int aantal = std::min<int>(static_cast<int>(kinderen.size()), cmdkind.highest() + 1);
  namen.clear();
  for (int i = 0; i < aantal; ++i) {
    namen << kinderen[i].name;
    cmdkind[i]
        .picture(Picture::svg(record::pictureResource(kinderen[i].picture)))
        .name(kinderen[i].name);
  }
  for (int i = 0; i <= cmdkind.highest(); ++i) cmdkind[i].setVisible(i < aantal);
  schikknoppen(aantal);
}

void frmwiebenjij::schikknoppen(int aantal) {
  if (aantal == 0) return;
  // The grid whose tiles are largest, a tile's width counting a little more than its
  // height (names are wide): 4 children in 2 x 2, 12 in 4 x 3, 40 in 8 x 5.
  int kolommen = 1, beste = 0;
  for (int k = 1; k <= aantal; ++k) {
    const int r = (aantal + k - 1) / k;
    const int b = std::min(MaxButtonWidth, AreaWidth / k - Gap);
    const int h = std::min(MaxButtonHeight, AreaHeight / r - Gap);
    const int maat = std::min(b, h * 14 / 10);
    if (maat > beste) {
      beste = maat;
      kolommen = k;
    }
  }
  const int rijen = (aantal + kolommen - 1) / kolommen;
  const int breedte = std::min(MaxButtonWidth, AreaWidth / kolommen - Gap);
  const int hoogte = std::min(MaxButtonHeight, AreaHeight / rijen - Gap);
  const int links = AreaLeft + (AreaWidth - kolommen * (breedte + Gap) + Gap) / 2;
  const int boven = AreaTop + (AreaHeight - rijen * (hoogte + Gap) + Gap) / 2;
  letters.clear();
  for (int i = 0; i < aantal; ++i) {
    cmdkind[i].Move(links + (i % kolommen) * (breedte + Gap),
                    boven + (i / kolommen) * (hoogte + Gap), breedte, hoogte);
    schrijfnaam(i);
  }
}

void frmwiebenjij::schrijfnaam(int index) {
  const record::FittedName naam =
      record::fitName(namen[index], NameFont, cmdkind[index].width(), cmdkind[index].height());
  letters << naam.font;
  cmdkind[index].font(naam.font);
  cmdkind[index].setCaption(naam.caption);
}

void frmwiebenjij::naarkeuzebord() {
  Hide();
  screens::frmkiesbasis().Show();
}

// ---------------------------------------------------------------- handlers

void frmwiebenjij::Form_Load() {
  centre();
  vulknoppen();
}

void frmwiebenjij::Form_Activate() {
  centre();
  vulknoppen();  // the class list may have changed since
}

void frmwiebenjij::cmdkind_Click(int index) {
  record::setChild(namen[index]);
  naarkeuzebord();
}

void frmwiebenjij::cmdniet_Click() {
  record::setChild(QString());
  naarkeuzebord();
}

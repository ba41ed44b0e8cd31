#include "record/frmwiebenjij.h"

#include <cmath>

#include "record/classlist.h"
#include "record/recorder.h"

using namespace forms;

namespace {

constexpr quint32 LightYellow = 0x00C0FFFF;
constexpr quint32 DarkBlue = 0x00800000;
// The area the name buttons share, in twips.
constexpr int AreaLeft = 360, AreaTop = 1560, AreaWidth = 11160, AreaHeight = 5520;
constexpr int Gap = 120;
constexpr int MaxButtonWidth = 3000, MaxButtonHeight = 2520;

}  // namespace

frmwiebenjij::frmwiebenjij()
    : Form(Name, Kind::Free, QStringLiteral("Wie ben jij?"), 11880, 7935, LightYellow) {
  lblvraag.at(360, 240, 11160, 780).colours(LightYellow, DarkBlue)
      .font({"MS Sans Serif", 24, true}).align(Align::Centre).caption("Wie ben jij?");
  lbluitleg.at(360, 1020, 11160, 420).colours(LightYellow, DarkBlue)
      .font({"MS Sans Serif", 12, true}).align(Align::Centre).caption("Klik op je eigen naam.");
  for (auto& [index, button] : cmdkind)
    button->at(AreaLeft, AreaTop, MaxButtonWidth, MaxButtonHeight).colour(White)
        .font({"MS Sans Serif", 14, true}).hidden();
  cmdniet.at(8880, 7200, 2640, 495).colour(White).font({"MS Sans Serif", 9.75, true})
      .caption("Ik sta er niet bij");

  cmdkind.Click = [this](int index) { cmdkind_Click(index); };
  cmdniet.Click = [this] { cmdniet_Click(); };
}

// ---------------------------------------------------------------- procedures

void frmwiebenjij::vulknoppen() {
  const QList<record::Child> kinderen = record::classList();
  const int aantal = std::min<int>(static_cast<int>(kinderen.size()), cmdkind.highest() + 1);
  for (int i = 0; i <= cmdkind.highest(); ++i) {
    if (i < aantal) {
      cmdkind[i].setCaption(kinderen[i].name);
      cmdkind[i].picture(Picture::svg(record::pictureResource(kinderen[i].picture)));
    }
    cmdkind[i].setVisible(i < aantal);
  }
  schikknoppen(aantal);
}

void frmwiebenjij::schikknoppen(int aantal) {
  if (aantal == 0) return;
  // About square cells, wider than tall: 4 children in 2 x 2, 12 in 4 x 3, 36 in 6 x 6.
  const int kolommen = std::clamp(static_cast<int>(std::ceil(std::sqrt(aantal * 1.4))), 1, 6);
  const int rijen = (aantal + kolommen - 1) / kolommen;
  const int breedte = std::min(MaxButtonWidth, AreaWidth / kolommen - Gap);
  const int hoogte = std::min(MaxButtonHeight, AreaHeight / rijen - Gap);
  const int links = AreaLeft + (AreaWidth - kolommen * (breedte + Gap) + Gap) / 2;
  const int boven = AreaTop + (AreaHeight - rijen * (hoogte + Gap) + Gap) / 2;
  for (int i = 0; i < aantal; ++i)
    cmdkind[i].Move(links + (i % kolommen) * (breedte + Gap), boven + (i / kolommen) * (hoogte + Gap),
                    breedte, hoogte);
}

void frmwiebenjij::naarkeuzebord() {
  Hide();
  Program::current().form(QStringLiteral("frmkiesbasis")).Show();
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
  record::setChild(cmdkind[index].caption());
  naarkeuzebord();
}

void frmwiebenjij::cmdniet_Click() {
  record::setChild(QString());
  naarkeuzebord();
}

#include "shell/frminfo.h"

#include "record/teachermenu.h"
#include "shell/common_pictures.h"

using namespace forms;

namespace {

Picture asset(const char* file) {
  return Picture::svg(QStringLiteral(":/assets/frminfo/%1.svg").arg(QLatin1String(file)));
}

}  // namespace

frminfo::frminfo() : Form(Name, Kind::Child, QString(), 10185, 5925, 0x006F6F6F) {
  setFont(toQFont({"MS Sans Serif", 8.25}));
  Frame1.at(1560, 360, 7080, 4050).colours(0x00C0FFFF, Black);
  const char* credits[] = {
      "Splitsen",
      "Oefenprogramma voor het eerste leerjaar",
      "Getallen tot 10 splitsen in twee delen",
      "Kijken, zeggen, zoeken en onthouden",
      "Negen oefeningen op \u00E9\u00E9n keuzebord",
      "Elk antwoord blijft op deze computer",
      "Tot de volgende keer!",
  };
  for (int i = 0; i <= 6; ++i) {
    const bool title = i == 0;
    Label1[i]
        .at(1320, title ? 240 : 840 + 420 * (i - 1), 4440, title ? 555 : 375)
        .colours(0x00C0FFFF, title ? 0x00800000 : 0x00400000)
        .font({"Arial", title ? 24.0 : 11.25, title})
        .align(Align::Centre)
        .caption(QString::fromUtf8(credits[i]));
  }
  Image1[0].at(240, 360, 960, 960).picture(pictures::logo()).tooltip(pictures::logoTooltip());
  Image1[1].at(5880, 360, 960, 960).picture(asset("telraam"));
  Image1[2].at(240, 2760, 960, 960).picture(asset("boeken"));
  Image1[3].at(5880, 2760, 960, 960).picture(asset("ster")).tooltip(pictures::logoTooltip());
  lblgeld.at(1560, 4440, 7080, 735)
      .colours(0x00800000, White)
      .font({"MS Sans Serif", 12, true})
      .align(Align::Centre);
  StatusBar1.at(0, 5550, 10185, 375).panels({6600, 3465});
  ProgressBar1.at(3240, 5280, 2775, 255);

  Timer1.Tick = [this] { Timer1_Timer(); };
}

void frminfo::balkinpaneel(bool on) {
  if (on) {
    // On the second panel of the status bar.
    const Box panel = StatusBar1.panelBox(1);
    ProgressBar1.setParentWindow(&StatusBar1);
    ProgressBar1.Move(panel.left, panel.top, panel.width, panel.height);
    ProgressBar1.setVisible(true);
    ProgressBar1.setValue(0);
  } else {
    ProgressBar1.setParentWindow(nullptr);
    ProgressBar1.setVisible(false);
  }
}

void frminfo::Form_Load() {
  lblgeld.setCaption("Dit programma is gratis." + CrLf + "Je mag het vrij kopi\u00EBren en delen.");
  ProgressBar1.setMin(0);
  ProgressBar1.setMax(150);
  balkinpaneel(true);
  Timer1.setEnabled(true);
  StatusBar1.setPanelText(1, "Splitsen - oefenen met splitsen van getallen tot 10");
  StatusBar1.setPanelTag(1, "");
  centre();
}

void frminfo::Form_Activate() {
  ProgressBar1.setMin(0);
  ProgressBar1.setMax(150);
  balkinpaneel(true);
  Timer1.setEnabled(true);
}

void frminfo::Timer1_Timer() {
  if (StatusBar1.panelTag(1).isEmpty()) {
    const int blank = std::max(1, TextWidth(" "));
    const int n = CInt(static_cast<double>(StatusBar1.panelWidth(1)) / blank);
    StatusBar1.setPanelTag(1, QString(n, QLatin1Char(' ')) + StatusBar1.panelText(1));
    StatusBar1.setPanelText(1, StatusBar1.panelTag(1));
  }
  if (!StatusBar1.panelText(1).isEmpty())
    StatusBar1.setPanelText(1, StatusBar1.panelText(1).mid(1));
  else
    StatusBar1.setPanelText(1, StatusBar1.panelTag(1));
  // The program does not end under the teacher's hands: the countdown waits while a
  // window of the teacher's is open, and goes on when it closes.
  if (record::teacherWindowOpen()) return;
  teller = teller + 1;
  if (teller > 150) {
    Timer1.setEnabled(false);
    balkinpaneel(false);
    teller = 0;
    Hide();
    Program::current().End();
    return;
  }
  ProgressBar1.setValue(teller);
}

#include "shell/frmmecenaat1.h"

#include "shell/screens.h"

using namespace forms;

frmmecenaat1::frmmecenaat1() : Form(Name, Kind::Child, QString(), 11160, 6720, 0x006D6570) {
  Frame1[1].at(0, 0, 18989, 4684).colours(0x00C0FFFF, Black).hidden();
  Label11.at(1320, 360, 8415, 255)
      .colours(0x00C0FFFF, 0x00800000)
      .font({"MS Sans Serif", 9.75, true})
      .align(Align::Centre)
      .caption("Educatieve software voor de  basisschool.");
  cmdkombinnen.at(3600, 1080, 3855, 3495)
      .colour(White)
      .font({"MS Sans Serif", 18, true})
      .caption("Klik hier en start !")
      .picture(Picture::svg(":/assets/frmmecenaat1/embleem.svg"));
  const char* decorations[] = {"potlood", "rugzak", "telraam", "appel"};
  const int lefts[] = {1080, 1080, 8280, 8280};
  const int tops[] = {1200, 2880, 1200, 2880};
  for (int i = 0; i <= 3; ++i)
    Image1[i]
        .at(lefts[i], tops[i], 1800, 1500)
        .picture(Picture::svg(QStringLiteral(":/assets/frmmecenaat1/%1.svg").arg(decorations[i])));

  Shape3.at(1800, 4800, 7695, 1800).filled(0x0080FFFF).noBorder();
  lblpartner2.at(1920, 4920, 7455, 615)
      .colours(0x00800000, White)
      .font({"MS Sans Serif", 12, true})
      .align(Align::Centre)
      .caption("Splitsen - oefenen met splitsen tot 10");
  Label4.at(1920, 5520, 7455, 495)
      .colours(0x00800000, White)
      .font({"MS Sans Serif", 12, true})
      .align(Align::Centre)
      .caption("Gratis te verspreiden software");
  Label5.at(1920, 6060, 7455, 420)
      .colours(0x0080FFFF, 0x00400000)
      .font({"MS Sans Serif", 9.75, true})
      .align(Align::Centre)
      .caption("Gemaakt als vrij oefenprogramma voor het eerste leerjaar");

  cmdkombinnen.Click = [this] { cmdkombinnen_Click(); };
}

void frmmecenaat1::Form_Load() {
  centre();
  Frame1[1].setVisible(true);
}

void frmmecenaat1::Form_Activate() {
  centre();
  Frame1[1].setVisible(true);
  say(cmdkombinnen.caption());
}

void frmmecenaat1::cmdkombinnen_Click() {
  screens::openChooser();
}

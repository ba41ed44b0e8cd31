#include "shell/frmkiesbasis.h"

#include <QStringList>

#include "shell/common_pictures.h"
#include "shell/frminfo.h"
#include "shell/mdiform2.h"

using namespace forms;

namespace {

QString lines(std::initializer_list<const char*> parts) {
  QStringList list;
  for (const char* part : parts) list << QString::fromUtf8(part);
  return list.join(CrLf);
}

Picture asset(const char* file) {
  return Picture::svg(QStringLiteral(":/assets/frmkiesbasis/%1.svg").arg(QLatin1String(file)));
}

}  // namespace

frmkiesbasis::frmkiesbasis()
    : Form(Name, Kind::Free, QStringLiteral("KEUZEBORD"), 11880, 7935, White) {
  Shape1.at(4920, 4080, 6855, 3375).filled(0x0000C000).noBorder();

  // Each button is named after its exercise, as the board describes it.
  struct ExerciseButton {
    CommandButton& button;
    int left, top;
    Picture picture;
    const char* screen;
    const char* name;
  };
  const ExerciseButton exercises[] = {
      {cmdsplits, 6360, 4440, Picture::svg(":/assets/common/bij.svg"), "frmsplits2", "splitsing"},
      {cmdsplits1, 7920, 4440, asset("hart"), "frmsplits1", "kijk en splits"},
      {cmdmin22, 9480, 4440, asset("sneeuwman"), "frmsplitsbeeldB", "splitsingen van getalbeelden"},
      {cmdbrugmin, 6360, 5400, asset("bloem"), "frmsplitsmachine", "splitsmachine"},
      {cmdflits, 7920, 5400, asset("huis"), "frmsplitsrijenA", "splitsingen automatiseren"},
      {cmdsplitsrij, 9480, 5520, asset("ijsje"), "frmsplitsrijenB", "splitsen"},
      {cmdsplits2, 6360, 6480, asset("uil"), "frmsleepsplits", "klik en splits"},
      {cmdsleep4, 7920, 6480, asset("kat"), "frmsleepsplits2", "ontbrekend deel"},
      {cmdsleep5, 9600, 6480, asset("haan"), "frmsleepsplits3", "ontbrekend deel met score"},
      {cmdopmaat, 5160, 5400, asset("trap"), "frmopmaat", "oefenen op maat"},
  };
  for (const ExerciseButton& e : exercises) {
    e.button.at(e.left, e.top, 975, 645).colour(White).picture(e.picture).name(e.name);
    const char* screen = e.screen;
    e.button.Click = [this, screen] { openExercise(screen); };
  }
  cmdstop.at(240, 6840, 1455, 855)
      .colour(0x00000080)
      .picture(pictures::stop())
      .leaves()
      .tooltip("STOP");

  imgbord.at(6480, 120, 5310, 3750).picture(asset("bord"));
  lblbord.at(6840, 480, 4575, 3015)
      .colours(0x00008000, White)
      .font({"MS Sans Serif", 12})
      .align(Align::Centre)
      .fitCaption()
      .readAloud();

  imgmeisje.at(120, 120, 3000, 6465).picture(asset("meisje")).name("meisje met een kroon");
  imgwit.at(120, 2280, 3180, 4125).picture(asset("wit")).name("jongen").hidden();
  imgchinees.at(720, 480, 2250, 5820).picture(asset("chinees")).name("meisje").hidden();
  imgkleur.at(-240, 1440, 3750, 4155).picture(asset("kleur")).name("jongen die zwaait").hidden();
  imgkleur2.at(720, 1560, 1500, 4785).picture(asset("kleur2")).name("man met een tulband").hidden();
  imgkleur3.at(120, 240, 3405, 6000)
      .picture(asset("kleur3"))
      .name("vrouw in een kleurrijke jurk")
      .hidden();
  Image2.at(3000, 6360, 480, 420).picture(pictures::logo()).tooltip(pictures::logoTooltip());
  stacking({&imgbord, &lblbord});

  for (const char* name : {"cmdsplits", "cmdsplits1", "cmdmin22", "cmdbrugmin", "cmdflits",
                           "cmdsplitsrij", "cmdopmaat"}) {
    auto* button = findChild<CommandButton*>(QString::fromLatin1(name));
    button->MouseMove = [this, name] { describe(name); };
  }
  cmdstop.Click = [this] { cmdstop_Click(); };
  imgmeisje.Click = [this] { nextPicture(imgmeisje, imgwit); };
  imgwit.Click = [this] { nextPicture(imgwit, imgchinees); };
  imgchinees.Click = [this] { nextPicture(imgchinees, imgkleur); };
  imgkleur.Click = [this] { nextPicture(imgkleur, imgkleur2); };
  imgkleur2.Click = [this] { nextPicture(imgkleur2, imgkleur3); };
  imgkleur3.Click = [this] { nextPicture(imgkleur3, imgmeisje); };
}

QString frmkiesbasis::backgroundText() {
  return lines({"", "", "Oefeningen voor het eerste leerjaar", "",
                " de muis op een tekening plaatsen", " lees wat er geoefend wordt", "",
                " met een klik kun je dat deeltje inoefenen "});
}

QString frmkiesbasis::descriptionOf(const QString& button) {
  if (button == "cmdsplits")
    return lines({" splitsing", "", " zeg elke splitsing hardop ", "memoriseer elke splitsing "});
  if (button == "cmdsplits1")
    return lines(
        {" kijk en splits", "", " kies welk getal je wilt splitsen ",
         "je ziet het getal splitsen in twee delen ", "  klik voor elk deel op het juiste cijfer ",
         "", " de splitsing wordt geschreven ", " je krijgt ook de voorstelling met + ",
         " Kies om hetzelfde getal te splitsen ", "", " of kies om een ander getal te splitsen "});
  if (button == "cmdmin22")
    return lines({" splitsingen ", "", "kijk hoe elk getalbeeld gesplitst wordt"});
  if (button == "cmdbrugmin")
    return lines({" splitsmachine ", "", "kies een cijfer ",
                  " typ het cijfer van het verborgen aantal ", " klik op de auto als controle ",
                  " start opnieuw en oefen hetzelfde cijfer  ", "",
                  " klik stop en kies een ander cijfer "});
  if (button == "cmdflits")
    return lines({" splitsingen ", "", "automatiseren ", "", "memoriseren"});
  if (button == "cmdsplitsrij")
    return lines({" splitsen", "", " klik en je ziet een getal ",
                  "vul het vriendje van het linkse getal in ", "  controleer ", "",
                  " je ziet de splisting met stippen ", " je leest alle bewerkingen  "});
  if (button == "cmdopmaat")
    return lines({" oefenen op maat", "", " de vragen passen bij wat jij al kent ",
                  " vul het ontbrekende deel in ", " klik op het getal of typ het ", "",
                  " hoe sneller, hoe meer munten ", " zo word je elke dag sneller "});
  return QString();
}

void frmkiesbasis::Form_Load() {
  centre();
}

void frmkiesbasis::Form_MouseMove() {
  lblbord.setCaption(backgroundText());
}

void frmkiesbasis::describe(const char* button) {
  lblbord.setCaption(descriptionOf(QString::fromLatin1(button)));
}

void frmkiesbasis::openExercise(const char* screen) {
  Program::current().form(QString::fromLatin1(screen)).Show();
  screens::MDIForm2().setEnabled(false);
  Hide();
}

void frmkiesbasis::cmdstop_Click() {
  screens::frminfo().Show();
  screens::MDIForm2().setEnabled(true);
  Hide();
}

void frmkiesbasis::nextPicture(Image& clicked, Image& next) {
  clicked.setVisible(false);
  next.setVisible(true);
}

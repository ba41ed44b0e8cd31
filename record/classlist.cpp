#include "record/classlist.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace record {

QString nameProblem(const QString& name, const QStringList& others) {
  if (name.trimmed().isEmpty()) return QStringLiteral("Typ eerst een naam.");
  // Length as a person counts it: characters, not UTF-16 units.
  if (name.toUcs4().size() > MaxNameLength)
    return QStringLiteral("Een naam heeft hoogstens %1 tekens.").arg(MaxNameLength);
  for (const char32_t c : name.toUcs4()) {
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Other_Control || category == QChar::Other_Format ||
        category == QChar::Other_Surrogate || category == QChar::Other_NotAssigned ||
        category == QChar::Separator_Line || category == QChar::Separator_Paragraph)
      return QStringLiteral("Een naam mag geen onzichtbare tekens of regeleinden bevatten.");
  }
  if (name != name.trimmed())
    return QStringLiteral("Een naam begint en eindigt niet met een spatie.");
  const QString folded = name.toCaseFolded();
  for (const QString& other : others)
    if (other.toCaseFolded() == folded)
      return QStringLiteral("De naam %1 staat al in de klaslijst.").arg(other);
  if (others.size() >= MaxChildren)
    return QStringLiteral("De klaslijst heeft al %1 kinderen; meer passen er niet.")
        .arg(MaxChildren);
  return QString();
}

const QStringList& childPictures() {
  static const QStringList keys = {
      QStringLiteral("kat"),   QStringLiteral("hond"),  QStringLiteral("vis"),
      QStringLiteral("vogel"), QStringLiteral("bloem"), QStringLiteral("zon"),
      QStringLiteral("ster"),  QStringLiteral("boom"),  QStringLiteral("bal"),
      QStringLiteral("maan"),  QStringLiteral("huis"),  QStringLiteral("paddenstoel")};
  return keys;
}

QString pictureResource(const QString& key) {
  return QStringLiteral(":/assets/record/%1.svg")
      .arg(childPictures().contains(key) ? key : childPictures().front());
}

QString pictureName(const QString& key) {
  return key;
}

QList<Child> alphabetical(QList<Child> children) {
  QCollator collator{QLocale(QLocale::Dutch, QLocale::Netherlands)};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  collator.setNumericMode(true);
  std::stable_sort(children.begin(), children.end(), [&](const Child& a, const Child& b) {
    return collator.compare(a.name, b.name) < 0;
  });
  return children;
}

QString proposedPicture(const QList<Child>& children) {
  QString best;
  qsizetype fewest = children.size() + 1;
  for (const QString& key : childPictures()) {
    const auto users = std::count_if(children.begin(), children.end(),
                                     [&](const Child& c) { return c.picture == key; });
    if (users < fewest) {
      best = key;
      fewest = users;
    }
  }
  return best;
}

QString sharedPictureNote(const QList<Child>& children, const QString& name,
                          const QString& picture) {
  QStringList others;
  for (const Child& c : alphabetical(children))
    if (c.picture == picture && c.name.toCaseFolded() != name.toCaseFolded()) others << c.name;
  if (others.isEmpty()) return QString();
  const QString who = others.size() == 1
                          ? others.front()
                          : others.mid(0, others.size() - 1).join(QStringLiteral(", ")) +
                                QStringLiteral(" en ") + others.back();
  return QStringLiteral(
             "Let op: %1 %2 dezelfde prent (%3). Een kind dat nog niet leest, "
             "zoekt zijn naam aan de prent.")
      .arg(who, others.size() == 1 ? QStringLiteral("heeft") : QStringLiteral("hebben"),
           pictureName(picture));
}

}  // namespace record

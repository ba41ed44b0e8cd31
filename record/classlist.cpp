#include "record/classlist.h"

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

}  // namespace record

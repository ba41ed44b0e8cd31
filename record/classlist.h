#pragma once
// The rules of the class list: what a name may be, and the pictures a child can have.

#include <QList>
#include <QString>
#include <QStringList>

namespace record {

inline constexpr int MaxNameLength = 40;
inline constexpr int MaxChildren = 36;  // the "Wie ben jij?" screen has room for this many

// Why `name` cannot be saved, in Dutch for the teacher; empty when it can. `others` are
// the names already in the list (without the one being renamed).
QString nameProblem(const QString& name, const QStringList& others);

// The pictures a child can choose from: resource keys of the program's own drawings.
const QStringList& childPictures();
QString pictureResource(const QString& key);
// The Dutch word for a picture ("kat").
QString pictureName(const QString& key);

}  // namespace record

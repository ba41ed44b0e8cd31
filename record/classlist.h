#pragma once
// The rules of the class list: what a name may be, and the pictures a child can have.

#include <QList>
#include <QString>
#include <QStringList>

#include "record/database.h"

namespace record {

inline constexpr int MaxNameLength = 40;
inline constexpr int MaxChildren = 40;  // every one gets a tile on "Wie ben jij?"

// Why `name` cannot be saved, in Dutch for the teacher; empty when it can. `others` are
// the names already in the list (without the one being renamed).
QString nameProblem(const QString& name, const QStringList& others);

// The pictures a child can choose from: resource keys of the program's own drawings.
const QStringList& childPictures();
QString pictureResource(const QString& key);
// The Dutch word for a picture ("kat").
QString pictureName(const QString& key);

// The children as a child looks for its name: alphabetical as in Dutch, ignoring case.
QList<Child> alphabetical(QList<Child> children);
// The picture to offer a new child: the first one nobody has, else one the fewest have.
QString proposedPicture(const QList<Child>& children);
// In Dutch for the teacher, when other children than `name` have `picture` already
// (a child who cannot read picks its tile by the picture); empty when nobody does.
QString sharedPictureNote(const QList<Child>& children, const QString& name,
                          const QString& picture);

}  // namespace record

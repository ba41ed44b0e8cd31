#pragma once
// What a screen shows, as a Dutch speaker reads it aloud: "7 = 3 + 4" is "zeven is drie
// en vier", "3 + 4 = 7" is "drie plus vier is zeven", "7 - 3 = 4" is "zeven min drie is
// vier". A sum with "." or "?" for a part still to be found is not read at all, except a
// split asked as a question, "7 = 3 + ?": "zeven is drie en hoeveel?"; a sum that does
// not add up (the screen crosses out its equals sign) is read with "is niet".

#include <QString>

namespace forms {

// "nul", "één" (never the article "een"), "twee" ... "tien"; larger numbers stay digits.
QString numberWord(int n);

// A caption or text as spoken: lines become sentences, numbers become words, words are
// kept (in lower case). Empty when nothing of it can be read aloud.
QString spoken(const QString& shown);

}  // namespace forms

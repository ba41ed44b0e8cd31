#include "forms/speech/spoken.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>
#include <vector>

namespace forms {

namespace {

enum class Kind { Number, Plus, Minus, Equals, Unknown, Mark, Word };

struct Token {
  Kind kind;
  QString text;
};

bool isOperator(Kind kind) {
  return kind == Kind::Plus || kind == Kind::Minus || kind == Kind::Equals;
}
bool isMaths(Kind kind) {
  return kind == Kind::Number || kind == Kind::Unknown || isOperator(kind);
}

std::vector<Token> tokens(const QString& line) {
  static const QRegularExpression pattern(
      QStringLiteral(R"(\d+|[+=-]|[.?!,:;]|[^\s\d+=.?!,:;-]+)"));
  std::vector<Token> result;
  for (const QRegularExpressionMatch& m : pattern.globalMatch(line)) {
    const QString t = m.captured();
    Kind kind = Kind::Word;
    if (t.front().isDigit())
      kind = Kind::Number;
    else if (t == u"+")
      kind = Kind::Plus;
    else if (t == u"-")
      kind = Kind::Minus;
    else if (t == u"=")
      kind = Kind::Equals;
    else if (t.size() == 1 && QStringLiteral(".?!,:;").contains(t))
      kind = Kind::Mark;
    result.push_back({kind, t});
  }
  // A dot or question mark next to an operator stands for the part still to be found;
  // elsewhere it ends a sentence.
  for (std::size_t i = 0; i < result.size(); ++i) {
    Token& t = result[i];
    if (t.kind != Kind::Mark || (t.text != u"." && t.text != u"?")) continue;
    const bool afterOperator = i > 0 && isOperator(result[i - 1].kind);
    const bool beforeOperator = i + 1 < result.size() && isOperator(result[i + 1].kind);
    if (afterOperator || beforeOperator) t.kind = Kind::Unknown;
  }
  return result;
}

// A side of a sum: numbers joined by + and -. Its value, or nothing when it is not one.
std::optional<long> valueOf(const std::vector<Token>& side) {
  if (side.empty() || side.size() % 2 == 0) return std::nullopt;
  long value = 0;
  Kind sign = Kind::Plus;
  for (std::size_t i = 0; i < side.size(); ++i) {
    const Token& t = side[i];
    if (i % 2 == 0) {
      if (t.kind != Kind::Number) return std::nullopt;
      const long n = t.text.toLong();
      value += sign == Kind::Plus ? n : -n;
    } else {
      if (t.kind != Kind::Plus && t.kind != Kind::Minus) return std::nullopt;
      sign = t.kind;
    }
  }
  return value;
}

// A split asked with one part as "?": "7 = 3 + ?" is "zeven is drie en hoeveel?". Empty
// for any other run.
QStringList questionWords(const std::vector<Token>& run) {
  if (run.size() != 5 || run[0].kind != Kind::Number || run[1].kind != Kind::Equals ||
      run[3].kind != Kind::Plus)
    return {};
  const Token& first = run[2];
  const Token& second = run[4];
  const bool firstAsked = first.kind == Kind::Unknown && first.text == u"?";
  const bool secondAsked = second.kind == Kind::Unknown && second.text == u"?";
  if (firstAsked == secondAsked) return {};
  const Token& known = firstAsked ? second : first;
  if (known.kind != Kind::Number) return {};
  const QString part = numberWord(known.text.toInt());
  const QString asked = QStringLiteral("hoeveel");
  return {numberWord(run[0].text.toInt()), QStringLiteral("is"), firstAsked ? asked : part,
          QStringLiteral("en"), (firstAsked ? part : asked) + u'?'};
}

// A run of numbers and operators: a sum or a split. Empty when it is not complete.
QStringList sumWords(const std::vector<Token>& run) {
  if (QStringList asked = questionWords(run); !asked.isEmpty()) return asked;
  std::vector<std::vector<Token>> sides(1);
  for (const Token& t : run) {
    if (t.kind == Kind::Unknown) return {};
    if (t.kind == Kind::Equals)
      sides.emplace_back();
    else
      sides.back().push_back(t);
  }
  std::vector<long> values;
  for (const auto& side : sides) {
    const auto value = valueOf(side);
    if (!value) return {};
    values.push_back(*value);
  }
  // A split reads + as "en": a lone "3 + 4", or "7 = 3 + 4" with one number on the left.
  const bool split = sides.size() == 1 || (sides.size() == 2 && sides[0].size() == 1);
  QStringList words;
  for (std::size_t s = 0; s < sides.size(); ++s) {
    if (s > 0)
      words << (values[s] == values[s - 1] ? QStringLiteral("is") : QStringLiteral("is niet"));
    for (const Token& t : sides[s]) {
      if (t.kind == Kind::Number)
        words << numberWord(t.text.toInt());
      else if (t.kind == Kind::Plus)
        words << (split ? QStringLiteral("en") : QStringLiteral("plus"));
      else
        words << QStringLiteral("min");
    }
  }
  return words;
}

// One line as words; `sum` tells whether it held a sum or a split.
QString spokenLine(const QString& line, bool& sum) {
  sum = false;
  const std::vector<Token> all = tokens(line);
  QString result;
  bool afterSum = false;
  auto add = [&result](const QString& word) {
    if (!result.isEmpty()) result += u' ';
    result += word;
  };
  for (std::size_t i = 0; i < all.size();) {
    const Token& t = all[i];
    if (isMaths(t.kind)) {
      std::size_t end = i;
      bool operators = false;
      while (end < all.size() && isMaths(all[end].kind))
        operators |= all[end++].kind != Kind::Number;
      const std::vector<Token> run(all.begin() + i, all.begin() + end);
      sum |= operators;
      if (operators) {
        const QStringList words = sumWords(run);
        for (const QString& w : words) add(w);
        afterSum = !words.isEmpty();
      } else {
        for (const Token& n : run) add(numberWord(n.text.toInt()));
      }
      i = end;
      continue;  // keeps afterSum for the next token
    }
    if (t.kind == Kind::Mark) {
      if (!result.isEmpty() && !result.back().isPunct()) result += t.text;
    } else {
      // A verdict after a sum is a sentence of its own.
      if (afterSum && !result.back().isPunct()) result += u'.';
      add(t.text.toLower());
    }
    afterSum = false;
    ++i;
  }
  return result;
}

}  // namespace

QString numberWord(int n) {
  static const char* const words[] = {"nul", "\u00E9\u00E9n", "twee", "drie",  "vier", "vijf",
                                      "zes", "zeven",         "acht", "negen", "tien"};
  if (n >= 0 && n <= 10) return QString::fromUtf8(words[n]);
  return QString::number(n);
}

QString spoken(const QString& shown) {
  // Lines of words are one caption broken for its box: a short pause between them. A sum
  // or split, and a line after a blank one, is a sentence of its own.
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  QString result;
  bool sentenceEnds = false;
  for (const QString& line : shown.split(lineBreak)) {
    bool sum = false;
    const QString words = spokenLine(line, sum);
    if (words.isEmpty()) {
      sentenceEnds = true;
      continue;
    }
    if (!result.isEmpty()) {
      if (!result.back().isPunct()) result += (sentenceEnds || sum) ? u'.' : u',';
      result += u' ';
    }
    result += words;
    sentenceEnds = sum;
  }
  return result;
}

}  // namespace forms

#include "practice/split.h"

#include <QStringList>

namespace practice {

namespace {

std::array<Question, kQuestionCount> makeQuestions() {
  std::array<Question, kQuestionCount> questions{};
  int i = 0;
  for (int whole = 1; whole <= kLargestWhole; ++whole)
    for (int first = 0; first <= whole; ++first)
      for (bool firstMissing : {false, true}) questions[i++] = {whole, first, firstMissing};
  return questions;
}

// Splits of wholes below `whole`: floor(w / 2) + 1 for each.
int splitsBefore(int whole) {
  int count = 0;
  for (int w = 1; w < whole; ++w) count += w / 2 + 1;
  return count;
}

}  // namespace

const std::array<Question, kQuestionCount>& allQuestions() {
  static const auto questions = makeQuestions();
  return questions;
}

int questionIndex(const Question& q) {
  // Wholes below q.whole hold (w + 1) * 2 questions each.
  int index = 0;
  for (int w = 1; w < q.whole; ++w) index += (w + 1) * 2;
  return index + q.first * 2 + (q.firstMissing ? 1 : 0);
}

Split splitOf(const Question& q) {
  return {q.whole, std::min(q.first, q.second())};
}

int splitIndex(const Split& split) {
  return splitsBefore(split.whole) + split.smaller;
}

Split splitAt(int index) {
  int whole = 1;
  while (splitsBefore(whole + 1) <= index) ++whole;
  return {whole, index - splitsBefore(whole)};
}

bool isGoalSplit(const Split& split) {
  return split.whole >= 2;
}

QString questionText(const Question& q) {
  const QString first = q.firstMissing ? QStringLiteral("?") : QString::number(q.first);
  const QString second = q.firstMissing ? QString::number(q.second()) : QStringLiteral("?");
  return QStringLiteral("%1 = %2 + %3").arg(q.whole).arg(first, second);
}

QString completeText(const Question& q) {
  return QStringLiteral("%1 = %2 + %3").arg(q.whole).arg(q.first).arg(q.second());
}

QString questionKey(const Question& q) {
  const QString first = q.firstMissing ? QStringLiteral("?") : QString::number(q.first);
  const QString second = q.firstMissing ? QString::number(q.second()) : QStringLiteral("?");
  return QStringLiteral("%1=%2+%3").arg(q.whole).arg(first, second);
}

std::optional<Question> questionFromKey(const QString& key) {
  const QStringList sides = key.split(QLatin1Char('='));
  if (sides.size() != 2) return std::nullopt;
  const QStringList parts = sides[1].split(QLatin1Char('+'));
  if (parts.size() != 2) return std::nullopt;
  bool ok = false;
  const int whole = sides[0].toInt(&ok);
  if (!ok || whole < 1 || whole > kLargestWhole) return std::nullopt;
  const bool firstMissing = parts[0] == QLatin1String("?");
  if (firstMissing == (parts[1] == QLatin1String("?"))) return std::nullopt;
  const int shown = (firstMissing ? parts[1] : parts[0]).toInt(&ok);
  if (!ok || shown < 0 || shown > whole) return std::nullopt;
  return Question{whole, firstMissing ? whole - shown : shown, firstMissing};
}

}  // namespace practice

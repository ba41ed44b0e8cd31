#include "practice/rows.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace practice {

namespace {

void skipRow(ReadReport* report) {
  if (report) ++report->skippedRows;
}

}  // namespace

ChildRow childRow(const ChildState& child) {
  return {child.ability, child.answers};
}

std::vector<SplitRow> splitRows(const ChildState& child) {
  std::vector<SplitRow> rows;
  for (int i = 0; i < kSplitCount; ++i) {
    const SplitRecord& record = child.splits[i];
    if (record.tries.empty() && record.box == kFirstBox) continue;
    const Split split = splitAt(i);
    rows.push_back(
        {split.whole, split.smaller, record.box, record.dueDay, triesText(record.tries)});
  }
  return rows;
}

std::vector<ItemRow> itemRows(const Difficulties& difficulties) {
  std::vector<ItemRow> rows;
  for (const Question& q : allQuestions()) {
    const QuestionState& state = difficulties.of(q);
    if (state.answers > 0) rows.push_back({questionKey(q), state.difficulty, state.answers});
  }
  return rows;
}

QString triesText(const std::vector<Try>& tries) {
  QStringList parts;
  for (const Try& t : tries)
    parts << QStringLiteral("%1:%2:%3").arg(t.day).arg(t.ms).arg(t.right ? 1 : 0);
  return parts.join(QLatin1Char(';'));
}

std::vector<Try> triesFromText(const QString& text, ReadReport* report) {
  std::vector<Try> tries;
  for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QStringList fields = part.split(QLatin1Char(':'));
    bool dayOk = false, msOk = false, rightOk = false;
    Try t;
    if (fields.size() == 3) {
      t.day = fields[0].trimmed().toInt(&dayOk);
      t.ms = fields[1].trimmed().toInt(&msOk);
      const int right = fields[2].trimmed().toInt(&rightOk);
      rightOk = rightOk && (right == 0 || right == 1);
      t.right = right == 1;
    }
    if (!dayOk || !msOk || !rightOk || t.ms < 0) {
      if (report) ++report->skippedTries;
      continue;
    }
    tries.push_back(t);
  }
  if (tries.size() > SplitRecord::kKeptTries)
    tries.erase(tries.begin(), tries.end() - SplitRecord::kKeptTries);
  return tries;
}

ChildState childFromRows(const ChildRow& row, const std::vector<SplitRow>& splits,
                         ReadReport* report) {
  ChildState child;
  if (std::isfinite(row.ability))
    child.ability = row.ability;
  else
    skipRow(report);
  child.answers = std::max(0, row.answers);
  for (const SplitRow& s : splits) {
    if (s.whole < 1 || s.whole > kLargestWhole || s.smaller < 0 || s.smaller > s.whole / 2) {
      skipRow(report);
      continue;
    }
    SplitRecord& record = child.splits[splitIndex({s.whole, s.smaller})];
    record.box = std::clamp(s.box, kFirstBox, kTopBox);
    record.dueDay = s.dueDay;
    record.tries = triesFromText(s.tries, report);
  }
  return child;
}

Difficulties difficultiesFromRows(const std::vector<ItemRow>& items, ReadReport* report) {
  Difficulties difficulties = Difficulties::initial();
  for (const ItemRow& row : items) {
    const std::optional<Question> q = questionFromKey(row.item);
    if (!q || !std::isfinite(row.difficulty)) {
      skipRow(report);
      continue;
    }
    difficulties.of(*q) = {row.difficulty, std::max(0, row.answers)};
  }
  return difficulties;
}

}  // namespace practice

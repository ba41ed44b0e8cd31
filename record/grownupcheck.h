#pragma once
// A question a six-year-old cannot answer ("Hoeveel is 7 x 8?", factors 6 to 9 from the
// program's random source) before the teacher's view opens.

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;

class GrownUpCheck : public QDialog {
  Q_OBJECT

 public:
  explicit GrownUpCheck(QWidget* parent = nullptr);
  int expected() const { return m_a * m_b; }
  QLineEdit* answerBox() const { return m_answer; }

  // Asks, above the screen in front, and calls `passed` once the right product is given.
  static void ask(std::function<void()> passed);

 private:
  void check();

  int m_a;
  int m_b;
  QLabel* m_message;
  QLineEdit* m_answer;
};

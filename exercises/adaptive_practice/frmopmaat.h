#pragma once
// Adaptive practice ("Oefenen op maat"): one split at a time with a part missing, chosen
// for this child; a row of coins runs out with the time, a right answer wins the coins
// still there, a wrong one loses them, "?" and running out of time neither. The digit
// keys answer too: "1" waits a moment for a "0" (ten), every other digit answers at once.
// What the child knows is kept per child in the record, after every answer.

#include <functional>
#include <memory>
#include <optional>

#include "forms/program.h"
#include "practice/session.h"

class frmopmaat : public forms::Form {
  Q_OBJECT
  Q_PROPERTY(int Opgaven READ opgaven)

 public:
  static constexpr const char* Name = "frmopmaat";
  static constexpr int Munten = 20;  // the coins of one question, one falls each second
  frmopmaat();
  ~frmopmaat() override;

  forms::Label lblvraag{this, "lblvraag"};
  forms::ControlArray<forms::Image> imgmunt{this, "imgmunt", 1, Munten};
  // The number image of the split, after a wrong answer.
  forms::ControlArray<forms::Shape> shpgetalbeeld{this, "shpgetalbeeld", 1, 10};
  forms::ControlArray<forms::CommandButton> cmdantwoord{this, "cmdantwoord", 0, 10};
  forms::CommandButton cmdweetniet{this, "cmdweetniet"};
  forms::Image imgmunten{this, "imgmunten"};
  forms::Label lblmunten{this, "lblmunten"};
  forms::CommandButton cmdstop{this, "cmdstop"};
  forms::Shape Shape1{this, "Shape1"};
  forms::Shape Shape3{this, "Shape3"};
  forms::Timer tmrmunt{this, "tmrmunt", 1000};
  forms::Timer tmroordeel{this, "tmroordeel", 1000};
  // How long a "1" waits for the "0" of ten.
  static constexpr int TienMs = 800;
  forms::Timer tmrcijfer{this, "tmrcijfer", TienMs};

  int opgaven() const { return m_opgaven; }

  // What this computer knows of the child and of the questions: loaded from the record
  // when the screen opens for another child (or after a wipe), kept between visits.
  practice::ChildState kind;
  practice::Difficulties moeilijkheden = practice::Difficulties::initial();
  // Called with every judged answer, "?" and time-out (for the practice record).
  std::function<void(const practice::Outcome&)> beantwoord;

 protected:
  void Form_Activate() override;
  bool Form_KeyPress(int key) override;

 private:
  void volgende();
  void oordeel(const practice::Outcome& uitkomst);

  void cmdantwoord_Click(int index);
  void cmdweetniet_Click();
  void tmrmunt_Tick();
  void tmroordeel_Tick();
  void tmrcijfer_Tick();
  void laden();
  void cmdstop_Click();

  class Sources;
  std::unique_ptr<Sources> m_sources;
  std::unique_ptr<practice::Session> m_session;
  int m_opgaven = 0;
  int m_munten = 0;
  int m_seconden = 0;
  std::optional<QString> m_geladenVoor;  // the child whose practice `kind` holds
  int m_generatie = 0;
};

namespace screens {
inline frmopmaat& frmopmaat() {
  return forms::Program::current().form<::frmopmaat>();
}
}  // namespace screens

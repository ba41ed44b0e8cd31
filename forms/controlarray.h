#pragma once
// A set of controls of one kind that share a name and differ by index.

#include <functional>
#include <map>
#include <memory>

#include "forms/control.h"

namespace forms {

// A set of controls of one kind that share a name and differ by index. Handlers of the
// set receive the member's index.
class ControlArrayBase {
 protected:
  static void setIndex(Control& control, int index);
  static void setClickQuery(Control& control, std::function<bool()> query);
};

template <class T>
class ControlArray : private ControlArrayBase {
 public:
  ControlArray(Container* container, const char* name, std::initializer_list<int> indexes)
      : m_container(container), m_name(name) {
    for (int i : indexes) add(i);
  }
  ControlArray(Container* container, const char* name, int first, int last)
      : m_container(container), m_name(name) {
    for (int i = first; i <= last; ++i) add(i);
  }
  T& operator[](int index) { return *m_members.at(index); }
  const T& operator[](int index) const { return *m_members.at(index); }
  bool contains(int index) const { return m_members.count(index) != 0; }
  auto begin() { return m_members.begin(); }
  auto end() { return m_members.end(); }
  int lowest() const { return m_members.begin()->first; }
  int highest() const { return m_members.rbegin()->first; }

  std::function<void(int)> Click;
  std::function<void(int)> Change;
  std::function<void(int)> Tick;

 private:
  void add(int index) {
    auto control = std::make_unique<T>(m_container, m_name);
    setIndex(*control, index);
    T* raw = control.get();
    if constexpr (requires { raw->Click; }) {
      raw->Click = [this, index] {
        if (Click) Click(index);
      };
      setClickQuery(*raw, [this] { return static_cast<bool>(Click); });
    }
    if constexpr (requires { raw->Change; })
      raw->Change = [this, index] {
        if (Change) Change(index);
      };
    if constexpr (requires { raw->Tick; })
      raw->Tick = [this, index] {
        if (Tick) Tick(index);
      };
    m_members.emplace(index, std::move(control));
  }

  Container* m_container;
  const char* m_name;
  std::map<int, std::unique_ptr<T>> m_members;
};

}  // namespace forms

#pragma once
// The main window: a frame with a menu bar over a client area in the window's back
// colour, which holds the child screens. It fills the display's available area,
// maximised or, when the zoom says so, full screen.

#include <QAction>
#include <initializer_list>

#include "forms/form.h"
#include "forms/menuitem.h"
#include "forms/pictures.h"

class QMenuBar;

namespace forms {

class MainForm : public Form {
  Q_OBJECT

 public:
  // `width` and `height` are the client area in twips that the window can hold.
  MainForm(const char* name, const QString& caption, int width, int height, quint32 backColor);

  // Whether a menu's items show their tooltips (why an item cannot be chosen).
  enum class Tips { Hidden, Shown };
  // A menu on the bar: its title and its items in order; a null item is a separator.
  void menu(MenuItem& title, std::initializer_list<QAction*> items, Tips tips = Tips::Hidden);
  // The bar itself, for a menu that another part of the program adds.
  QMenuBar& menuBar() { return *m_menuBar; }
  // The area that holds the child screens.
  QWidget* client() const { return m_client; }
  // The window's icon.
  void icon(const Picture& picture);

 private:
  QMenuBar* m_menuBar;
  QWidget* m_client = nullptr;
};

}  // namespace forms

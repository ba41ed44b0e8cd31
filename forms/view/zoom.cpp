#include "forms/view/zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "forms/pictures.h"
#include "forms/program.h"
#include "forms/units.h"
#include "forms/view/preferences.h"

namespace forms {

namespace {
const QString FitKey = QStringLiteral("beeld/zoom");
const QString FullScreenKey = QStringLiteral("beeld/volledigscherm");
const QString Fit = QStringLiteral("passend");

// Factors are kept to two decimals, so that steps and stored values stay readable.
double tidy(double factor) {
  return std::clamp(std::floor(factor * 100 + 1e-9) / 100, MinZoom, MaxZoom);
}
}  // namespace

ZoomControl::ZoomControl(Program& program) : m_program(program) {
  ProgramKeys& keys = program.keys();
  for (Qt::Key key : {Qt::Key_Plus, Qt::Key_Equal})
    keys.add(Qt::ControlModifier | key, [this] { larger(); });
  keys.add(Qt::ControlModifier | Qt::Key_Minus, [this] { smaller(); });
  keys.add(Qt::ControlModifier | Qt::Key_0, [this] { fit(); });
  keys.add(QKeyCombination(Qt::Key_F11), [this] { toggleFullScreen(); });
}

double ZoomControl::factor() const {
  return zoom();
}

QRect ZoomControl::displayArea() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (const Form* main = m_program.mainWindow(); main && main->screen()) screen = main->screen();
  if (!screen) return {};
  return m_fullScreen ? screen->geometry() : screen->availableGeometry();
}

double ZoomControl::fitFactor() const {
  return fitFactor(displayArea());
}

double ZoomControl::fitFactor(const QRect& area) const {
  if (area.isEmpty()) return 1.0;
  double best = MaxZoom;
  for (const Program::Layout& layout : m_program.layouts()) {
    if (layout.client.isEmpty()) continue;
    // A child screen sits in the main window under its menu bar, which is zoomed too.
    const double width = layout.client.width() / double(TwipsPerPixel);
    const double height = layout.client.height() / double(TwipsPerPixel) +
                          (layout.inMainWindow ? m_menuBarHeight : 0);
    const int frameWidth = m_fullScreen && layout.inMainWindow ? 0 : FrameWidth;
    const int frameHeight = m_fullScreen && layout.inMainWindow ? 0 : FrameHeight;
    best = std::min(
        {best, (area.width() - frameWidth) / width, (area.height() - frameHeight) / height});
  }
  return tidy(best);
}

void ZoomControl::larger() {
  if (m_program.ended()) return;
  // Never beyond what fits the display: every screen stays wholly on it.
  const double limit = std::max(fitFactor(), factor());
  choose(std::min(tidy(factor() * Step), limit));
}

void ZoomControl::smaller() {
  if (m_program.ended()) return;
  choose(tidy(factor() / Step));
}

void ZoomControl::fit() {
  if (m_program.ended()) return;
  m_chosen.reset();
  apply();
  store();
}

void ZoomControl::toggleFullScreen() {
  setFullScreen(!m_fullScreen);
}

void ZoomControl::setFullScreen(bool on) {
  if (m_program.ended()) return;
  m_fullScreen = on;
  if (Form* main = m_program.mainWindow()) {
    if (on)
      main->showFullScreen();
    else
      main->showMaximized();
  }
  // A chosen factor that no longer fits the smaller area gives way.
  if (m_chosen && !m_pinned) m_chosen = std::min(*m_chosen, fitFactor());
  apply();
  store();
}

void ZoomControl::restore(Preferences* preferences, std::optional<double> pinned, bool fullScreen) {
  m_preferences = preferences;
  m_fullScreen = fullScreen;
  if (pinned) {
    m_pinned = true;
    m_chosen = std::clamp(*pinned, MinZoom, MaxZoom);
  } else if (preferences) {
    m_fullScreen = fullScreen || preferences->value(FullScreenKey, false).toBool();
    bool ok = false;
    const double stored = preferences->value(FitKey, Fit).toString().toDouble(&ok);
    if (ok && std::isfinite(stored)) m_chosen = std::min(tidy(stored), fitFactor());
  }
  setZoomFactor(m_chosen ? *m_chosen : fitFactor());
}

void ZoomControl::choose(double factor) {
  m_chosen = factor;
  apply();
  store();
}

void ZoomControl::apply() {
  const double wanted = m_chosen ? *m_chosen : fitFactor();
  if (wanted != zoom()) {
    setZoomFactor(wanted);
    // Pictures are rendered anew at their new size; the old renderings would only
    // take memory.
    Picture::clearCache();
    for (Form* form : m_program.forms()) form->relayout();
  }
  Q_EMIT changed();
}

void ZoomControl::store() {
  if (!m_preferences || m_pinned) return;
  m_preferences->setValue(FitKey, m_chosen ? QString::number(*m_chosen) : Fit);
  m_preferences->setValue(FullScreenKey, m_fullScreen);
}

}  // namespace forms

#include "forms/view/preferences.h"

#include <QSettings>
#include <cstdio>

namespace forms {

Preferences::Preferences() : m_settings(std::make_unique<QSettings>()) {
  check("gelezen");
}

Preferences::Preferences(const QString& file)
    : m_settings(std::make_unique<QSettings>(file, QSettings::IniFormat)) {
  check("gelezen");
}

Preferences::~Preferences() = default;

QVariant Preferences::value(const QString& key, const QVariant& fallback) const {
  if (m_settings->status() != QSettings::NoError) return fallback;
  return m_settings->value(key, fallback);
}

void Preferences::setValue(const QString& key, const QVariant& value) {
  if (m_settings->value(key) == value && m_settings->status() == QSettings::NoError) return;
  m_settings->setValue(key, value);
  m_settings->sync();
  check("geschreven");
}

void Preferences::check(const char* what) {
  m_failed = m_settings->status() != QSettings::NoError;
  if (!m_failed || m_reported) return;
  m_reported = true;
  std::fprintf(stderr,
               "splitsen: de instellingen in %s konden niet %s worden; de standaard geldt\n",
               qPrintable(m_settings->fileName()), what);
}

}  // namespace forms

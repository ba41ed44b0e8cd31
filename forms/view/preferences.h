#pragma once
// The user's preferences, kept between runs in the standard settings location. A file
// that cannot be read or written simply means the defaults: no dialog, at most one line
// on stderr for the whole run.

#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

namespace forms {

class Preferences {
 public:
  // The user's standard settings (organisation and program names of the application).
  Preferences();
  // A settings file of the caller's (tests).
  explicit Preferences(const QString& file);
  ~Preferences();
  Preferences(const Preferences&) = delete;
  Preferences& operator=(const Preferences&) = delete;

  QVariant value(const QString& key, const QVariant& fallback = {}) const;
  // Written at once; a failure is reported once and otherwise ignored.
  void setValue(const QString& key, const QVariant& value);
  // Whether the last read or write went wrong (for tests and the log line).
  bool failed() const { return m_failed; }

 private:
  void check(const char* what);
  std::unique_ptr<QSettings> m_settings;
  bool m_failed = false;
  bool m_reported = false;
};

}  // namespace forms

#include "school/address.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QStringList>
#include <QUrl>

namespace school {

namespace {

// The libpq keywords an address may carry besides host, port, dbname, user and password.
const QStringList& otherKeywords() {
  static const QStringList keywords = {
      QStringLiteral("sslmode"),
      QStringLiteral("sslrootcert"),
      QStringLiteral("sslcert"),
      QStringLiteral("sslkey"),
      QStringLiteral("sslcrl"),
      QStringLiteral("sslcrldir"),
      QStringLiteral("sslsni"),
      QStringLiteral("sslpassword"),
      QStringLiteral("passfile"),
      QStringLiteral("connect_timeout"),
      QStringLiteral("application_name"),
      QStringLiteral("channel_binding"),
      QStringLiteral("gssencmode"),
      QStringLiteral("target_session_attrs"),
      QStringLiteral("keepalives"),
      QStringLiteral("keepalives_idle"),
      QStringLiteral("keepalives_interval"),
      QStringLiteral("keepalives_count"),
      QStringLiteral("tcp_user_timeout"),
      QStringLiteral("hostaddr"),
      QStringLiteral("service"),
      QStringLiteral("krbsrvname"),
      QStringLiteral("requirepeer"),
  };
  return keywords;
}

const QStringList sslModes = {QStringLiteral("disable"),   QStringLiteral("allow"),
                              QStringLiteral("prefer"),    QStringLiteral("require"),
                              QStringLiteral("verify-ca"), QStringLiteral("verify-full")};

QString decode(const QString& text) {
  return QUrl::fromPercentEncoding(text.toUtf8());
}

// Takes one keyword and its value into `address`; false with a reason in `error`.
bool take(Address& address, const QString& key, const QString& value, QString* error) {
  const auto fail = [&](const QString& why) {
    if (error) *error = why;
    return false;
  };
  if (key == QLatin1String("host")) {
    address.host = value;
  } else if (key == QLatin1String("port")) {
    bool ok = false;
    const int port = value.toInt(&ok);
    if (!ok || port < 1 || port > 65535)
      return fail(QStringLiteral("de poort \"%1\" is geen getal van 1 tot 65535").arg(value));
    address.port = port;
  } else if (key == QLatin1String("dbname")) {
    address.database = value;
  } else if (key == QLatin1String("user")) {
    address.user = value;
  } else if (key == QLatin1String("password")) {
    address.password = value;
  } else if (otherKeywords().contains(key)) {
    if (value.contains(QLatin1Char(';')))
      return fail(QStringLiteral("de waarde van %1 mag geen ; bevatten").arg(key));
    if (key == QLatin1String("sslmode") && !sslModes.contains(value))
      return fail(QStringLiteral("sslmode \"%1\" bestaat niet (wel: %2)")
                      .arg(value, sslModes.join(QStringLiteral(", "))));
    address.options.append({key, value});
  } else {
    return fail(QStringLiteral("\"%1\" is geen instelling van een PostgreSQL-server").arg(key));
  }
  return true;
}

bool isKeyword(const QString& key) {
  static const QRegularExpression word(QStringLiteral("^[a-z_]+$"));
  return word.match(key).hasMatch();
}

std::optional<Address> parseUri(const QString& text, QString* error) {
  const auto fail = [&](const QString& why) -> std::optional<Address> {
    if (error) *error = why;
    return std::nullopt;
  };
  Address address;
  QString rest = text.mid(text.indexOf(QLatin1String("://")) + 3);
  QString query;
  if (const int q = rest.indexOf(QLatin1Char('?')); q >= 0) {
    query = rest.mid(q + 1);
    rest.truncate(q);
  }
  QString authority = rest;
  if (const int slash = rest.indexOf(QLatin1Char('/')); slash >= 0) {
    authority = rest.left(slash);
    address.database = decode(rest.mid(slash + 1));
  }
  if (const int at = authority.lastIndexOf(QLatin1Char('@')); at >= 0) {
    const QString user = authority.left(at);
    authority = authority.mid(at + 1);
    const int colon = user.indexOf(QLatin1Char(':'));
    address.user = decode(user.left(colon));
    if (colon >= 0) address.password = decode(user.mid(colon + 1));
  }
  if (authority.contains(QLatin1Char(',')))
    return fail(QStringLiteral("geef één server, niet meerdere"));
  QString port;
  if (authority.startsWith(QLatin1Char('['))) {
    const int close = authority.indexOf(QLatin1Char(']'));
    if (close < 0) return fail(QStringLiteral("het IPv6-adres mist een ]"));
    address.host = authority.mid(1, close - 1);
    const QString after = authority.mid(close + 1);
    if (!after.isEmpty() && !after.startsWith(QLatin1Char(':')))
      return fail(QStringLiteral("na het IPv6-adres hoort een : met de poort"));
    port = after.mid(1);
  } else {
    const int colon = authority.lastIndexOf(QLatin1Char(':'));
    address.host = decode(authority.left(colon));
    if (colon >= 0) port = authority.mid(colon + 1);
  }
  if (!port.isEmpty() && !take(address, QStringLiteral("port"), port, error)) return std::nullopt;
  if (!query.isEmpty()) {
    for (const QString& pair : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
      const int eq = pair.indexOf(QLatin1Char('='));
      if (eq < 0) return fail(QStringLiteral("\"%1\" heeft geen =").arg(decode(pair)));
      const QString key = decode(pair.left(eq));
      if (!take(address, key, decode(pair.mid(eq + 1)), error)) return std::nullopt;
    }
  }
  return address;
}

std::optional<Address> parseKeywords(const QString& text, QString* error) {
  const auto fail = [&](const QString& why) -> std::optional<Address> {
    if (error) *error = why;
    return std::nullopt;
  };
  Address address;
  int i = 0;
  const int n = int(text.size());
  const auto skipSpace = [&] {
    while (i < n && text.at(i).isSpace()) ++i;
  };
  for (;;) {
    skipSpace();
    if (i >= n) break;
    const int start = i;
    while (i < n && text.at(i) != QLatin1Char('=') && !text.at(i).isSpace()) ++i;
    const QString key = text.mid(start, i - start);
    skipSpace();
    if (i >= n || text.at(i) != QLatin1Char('='))
      return fail(QStringLiteral("na \"%1\" hoort een =").arg(key));
    ++i;
    skipSpace();
    QString value;
    if (i < n && text.at(i) == QLatin1Char('\'')) {
      ++i;
      bool closed = false;
      while (i < n) {
        const QChar c = text.at(i++);
        if (c == QLatin1Char('\\') && i < n) {
          value += text.at(i++);
        } else if (c == QLatin1Char('\'')) {
          closed = true;
          break;
        } else {
          value += c;
        }
      }
      if (!closed) return fail(QStringLiteral("de waarde van %1 mist een sluitend '").arg(key));
    } else {
      while (i < n && !text.at(i).isSpace()) {
        const QChar c = text.at(i++);
        if (c == QLatin1Char('\\') && i < n)
          value += text.at(i++);
        else
          value += c;
      }
    }
    if (!isKeyword(key)) return fail(QStringLiteral("\"%1\" is geen instelling").arg(key));
    if (!take(address, key, value, error)) return std::nullopt;
  }
  return address;
}

QString encode(const QString& text) {
  return QString::fromUtf8(QUrl::toPercentEncoding(text));
}

}  // namespace

QString Address::display() const {
  QString text = QStringLiteral("postgresql://");
  if (!user.isEmpty()) text += encode(user) + QLatin1Char('@');
  text +=
      host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : encode(host);
  if (port > 0) text += QLatin1Char(':') + QString::number(port);
  if (!database.isEmpty()) text += QLatin1Char('/') + encode(database);
  QStringList query;
  for (const auto& [key, value] : options)
    if (key != QLatin1String("sslpassword")) query << key + QLatin1Char('=') + encode(value);
  if (!query.isEmpty()) text += QLatin1Char('?') + query.join(QLatin1Char('&'));
  return text;
}

Address Address::as(const QString& otherUser, const QString& otherPassword) const {
  Address other = *this;
  other.user = otherUser;
  other.password = otherPassword;
  return other;
}

std::optional<Address> parseAddress(const QString& text, QString* error) {
  const QString trimmed = text.trimmed();
  static const QRegularExpression scheme(QStringLiteral("^postgres(ql)?://"),
                                         QRegularExpression::CaseInsensitiveOption);
  QString why;
  std::optional<Address> address;
  if (trimmed.isEmpty())
    why = QStringLiteral("er is geen server genoemd");
  else if (scheme.match(trimmed).hasMatch())
    address = parseUri(trimmed, &why);
  else if (trimmed.contains(QLatin1String("://")))
    why = QStringLiteral("een serveradres begint met postgresql://");
  else
    address = parseKeywords(trimmed, &why);
  if (!address && error) *error = redact(why);
  return address;
}

QString redact(const QString& text, const QString& password) {
  static const QRegularExpression uri(QStringLiteral("(postgres(?:ql)?://[^/?#@\\s:]*):[^@\\s/]*@"),
                                      QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression keyword(
      QStringLiteral("\\b((?:ssl)?password)(\\s*=\\s*)('(?:[^'\\\\]|\\\\.)*'?|[^\\s&]*)"),
      QRegularExpression::CaseInsensitiveOption);
  QString result = text;
  result.replace(uri, QStringLiteral("\\1:***@"));
  result.replace(keyword, QStringLiteral("\\1\\2***"));
  if (!password.isEmpty()) {
    result.replace(password, QStringLiteral("***"));
    const QString encoded = encode(password);
    if (encoded != password) result.replace(encoded, QStringLiteral("***"));
  }
  return result;
}

void configure(QSqlDatabase& db, const Address& address, int connectTimeoutS,
               const QString& applicationName) {
  db.setHostName(address.host);
  db.setPort(address.port);
  db.setDatabaseName(address.database);
  db.setUserName(address.user);
  db.setPassword(address.password);
  const auto quoted = [](QString value) -> QString {
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
  };
  QStringList options;
  for (const auto& [key, value] : address.options)
    if (key != QLatin1String("connect_timeout") && key != QLatin1String("application_name"))
      options << key + QLatin1Char('=') + quoted(value);
  // The time-out is ours: a try must end well within the time an answer may wait.
  options << QStringLiteral("connect_timeout=%1").arg(connectTimeoutS)
          << QStringLiteral("application_name=") + quoted(applicationName);
  db.setConnectOptions(options.join(QLatin1Char(';')));
}

}  // namespace school

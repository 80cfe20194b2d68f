#include "remessa/IniFile.h"

#include "firebird/Win1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace brovik::data {
namespace {

QString fold(QStringView name) { return name.trimmed().toString().toCaseFolded(); }

// Quotes around a whole value are not part of it, as with the Windows profile API.
QStringView unquote(QStringView value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

}  // namespace

QString IniFile::decode(const QByteArray& bytes) {
    const QByteArray data = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError()) return text;
    return data::fromWin1252(data.constData(), static_cast<int>(data.size()));
}

IniFile IniFile::parse(const QByteArray& bytes) {
    IniFile ini;
    const QString text = decode(bytes);
    QString section;
    for (QStringView line : QStringView(text).split(u'\n')) ini.addLine(line.trimmed(), section);
    return ini;
}

void IniFile::addLine(QStringView line, QString& section) {
    if (line.isEmpty() || line.front() == u';' || line.front() == u'#') return;
    if (line.front() == u'[') {
        const qsizetype close = line.indexOf(u']');
        if (close > 0) section = fold(line.mid(1, close - 1));
        return;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0 || section.isNull()) return;
    const QString key = fold(line.left(eq));
    if (key.isEmpty()) return;
    QHash<QString, QString>& keys = sections_[section];
    if (!keys.contains(key)) keys.insert(key, unquote(line.mid(eq + 1).trimmed()).toString());
}

std::optional<IniFile> IniFile::load(const QString& path) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return IniFile{};
    return parse(file.readAll());
}

bool IniFile::hasSection(const QString& section) const { return sections_.contains(fold(section)); }

std::optional<QString> IniFile::find(const QString& section, const QString& key) const {
    const auto s = sections_.constFind(fold(section));
    if (s == sections_.cend()) return std::nullopt;
    const auto k = s->constFind(fold(key));
    if (k == s->cend()) return std::nullopt;
    return *k;
}

QString IniFile::value(const QString& section, const QString& key) const { return find(section, key).value_or(QString()); }

}  // namespace brovik::data

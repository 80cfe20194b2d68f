#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

namespace brovik::data {

// A read-only INI file as the plant's tools write it: "[section]" lines, "key=value"
// lines, ';' or '#' comments. Section and key names match without regard to case; the
// first occurrence of a key wins; lines of any other form are skipped. The text is
// UTF-8 when it decodes as such (a byte-order mark is dropped), else Windows-1252.
class IniFile {
public:
    static IniFile parse(const QByteArray& bytes);
    // nullopt when the file does not exist; an unreadable file reads as empty.
    static std::optional<IniFile> load(const QString& path);

    bool hasSection(const QString& section) const;
    // Empty text when the section or key is absent.
    QString value(const QString& section, const QString& key) const;
    // nullopt when the section or key is absent.
    std::optional<QString> find(const QString& section, const QString& key) const;

private:
    static QString decode(const QByteArray& bytes);
    void addLine(QStringView line, QString& section);

    QHash<QString, QHash<QString, QString>> sections_;  // folded names
};

}  // namespace brovik::data

#pragma once

#include <QString>
#include <QStringView>
#include <unordered_map>

namespace brovik::data {

// Field positions by name, without regard to case. Every field read by name goes
// through here (tens of reads per ticket step), so names are hashed, not compared
// one by one.
class FieldNameIndex {
public:
    void add(const QString& name, int index) { positions_.emplace(name, index); }  // the first of a name wins
    void clear() { positions_.clear(); }
    int find(QStringView name) const {
        const auto it = positions_.find(name);
        return it == positions_.end() ? -1 : it->second;
    }

private:
    static char16_t folded(QChar c) {
        const char16_t u = c.unicode();
        if (u < 128) return u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u;
        return c.toCaseFolded().unicode();
    }
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(QStringView name) const noexcept {
            std::size_t h = 14695981039346656037ull;
            for (QChar c : name) h = (h ^ folded(c)) * 1099511628211ull;
            return h;
        }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const noexcept {
            if (a.size() != b.size()) return false;
            for (qsizetype i = 0; i < a.size(); ++i)
                if (folded(a[i]) != folded(b[i])) return false;
            return true;
        }
    };
    std::unordered_map<QString, int, Hash, Equal> positions_;
};

}  // namespace brovik::data

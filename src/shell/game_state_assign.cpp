#include "shell/game_state_assign.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <type_traits>
#include <vector>

#include "shell/game_state_fields.h"

namespace {
template <typename T>
size_t ElementCount(const T& value) {
    if constexpr (std::is_array_v<T>) return std::extent_v<T> * ElementCount(value[0]);
    else return 1;
}

// "7 0*3" becomes 7 0 0 0.
bool ExpandRuns(const std::string& text, std::vector<std::string>& out, std::string& error) {
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        const size_t star = word.find('*');
        if (star == std::string::npos) {
            out.push_back(word);
            continue;
        }
        char* end = nullptr;
        const unsigned long count = std::strtoul(word.c_str() + star + 1, &end, 10);
        if (star == 0 || *end != '\0' || count == 0 || count > 100000) {
            error = "bad run '" + word + "'";
            return false;
        }
        out.insert(out.end(), count, word.substr(0, star));
    }
    return true;
}

template <typename T>
bool ParseScalar(const std::string& text, T& value) {
    char* end = nullptr;
    errno = 0;
    if constexpr (std::is_floating_point_v<T>) {
        const double parsed = std::strtod(text.c_str(), &end);
        if (errno != 0 || *end != '\0' || end == text.c_str()) return false;
        value = static_cast<T>(parsed);
        return true;
    } else if constexpr (std::is_signed_v<T>) {
        const long long parsed = std::strtoll(text.c_str(), &end, 10);
        if (errno != 0 || *end != '\0' || end == text.c_str()) return false;
        if (parsed < std::numeric_limits<T>::min() || parsed > std::numeric_limits<T>::max()) return false;
        value = static_cast<T>(parsed);
        return true;
    } else {
        if (text.empty() || text[0] == '-') return false;
        const unsigned long long parsed = std::strtoull(text.c_str(), &end, 10);
        if (errno != 0 || *end != '\0' || parsed > std::numeric_limits<T>::max()) return false;
        value = static_cast<T>(parsed);
        return true;
    }
}

// Writes the elements in the dump's order, starting at words[next].
template <typename T>
bool Assign(T& field, const std::vector<std::string>& words, size_t& next, std::string& error) {
    if constexpr (std::is_array_v<T>) {
        for (auto& element : field) {
            if (!Assign(element, words, next, error)) return false;
        }
        return true;
    } else {
        if (!ParseScalar(words[next], field)) {
            error = "value '" + words[next] + "' does not fit";
            return false;
        }
        ++next;
        return true;
    }
}
}  // namespace

bool AssignGameStateField(GameState& state, const std::string& name, const std::string& values, std::string& error) {
    std::vector<std::string> words;
    if (!ExpandRuns(values, words, error)) return false;
    bool found = false;
    bool ok = false;
    GameState changed = state;
    VisitGameStateFields(changed, [&](const char* fieldName, auto& field) {
        if (found || name != fieldName) return;
        found = true;
        const size_t count = ElementCount(field);
        if (words.size() != count) {
            error = name + " takes " + std::to_string(count) + " values, not " + std::to_string(words.size());
            return;
        }
        size_t next = 0;
        ok = Assign(field, words, next, error);
    });
    if (!found) error = "no field '" + name + "'";
    if (!ok) return false;
    state = changed;
    return true;
}

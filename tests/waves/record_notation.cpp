#include "waves/record_notation.h"

#include <cctype>
#include <stdexcept>
#include <string>

namespace notation {
namespace {

constexpr std::string_view kTimes = "\xC3\x97";  // the multiplication sign

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

[[noreturn]] void Fail(std::string_view what, std::string_view text) {
    throw std::invalid_argument(std::string(what) + ": '" + std::string(text) + "'");
}

// Splits at sep where no parenthesis is open.
std::vector<std::string_view> Split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '(') ++depth;
        if (s[i] == ')') --depth;
        if (s[i] == sep && depth == 0) {
            parts.push_back(Trim(s.substr(start, i - start)));
            start = i + 1;
        }
    }
    parts.push_back(Trim(s.substr(start)));
    return parts;
}

// A sum of terms: integers, integers times k, k, and the letters D, A, R, G.
int32_t Eval(std::string_view expr, int32_t k, const Params& p) {
    expr = Trim(expr);
    if (expr.empty()) Fail("empty value", expr);
    int32_t total = 0;
    size_t i = 0;
    while (i < expr.size()) {
        int32_t sign = 1;
        if (expr[i] == '+' || expr[i] == '-') {
            sign = expr[i] == '-' ? -1 : 1;
            ++i;
        } else if (i != 0) {
            Fail("bad value", expr);
        }
        int32_t term = 0;
        bool digits = false;
        while (i < expr.size() && std::isdigit(static_cast<unsigned char>(expr[i]))) {
            term = term * 10 + (expr[i] - '0');
            digits = true;
            ++i;
        }
        if (i < expr.size() && expr[i] == 'k') {
            term = (digits ? term : 1) * k;
            ++i;
        } else if (!digits && i < expr.size()) {
            switch (expr[i]) {
                case 'D': term = p.shotDamage; break;
                case 'A': term = p.armorBase; break;
                case 'R': term = p.killReward; break;
                case 'G': term = p.artRow; break;
                default: Fail("bad value", expr);
            }
            ++i;
        } else if (!digits) {
            Fail("bad value", expr);
        }
        total += sign * term;
    }
    return total;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// "(a, b)" -> a and b.
void Pair(std::string_view text, std::string_view& a, std::string_view& b) {
    text = Trim(text);
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') Fail("expected (a, b)", text);
    const auto parts = Split(text.substr(1, text.size() - 2), ',');
    if (parts.size() != 2) Fail("expected (a, b)", text);
    a = parts[0];
    b = parts[1];
}

void Apply(ExpectedRecord& r, std::string_view attr, int32_t k, const Params& p) {
    struct Field {
        std::string_view name;
        int32_t ExpectedRecord::*member;
    };
    static constexpr Field kFields[] = {
        {"art ", &ExpectedRecord::art},         {"shields ", &ExpectedRecord::shields},
        {"armor ", &ExpectedRecord::armor},     {"size ", &ExpectedRecord::size},
        {"damage ", &ExpectedRecord::damage},   {"type ", &ExpectedRecord::type},
        {"volley ", &ExpectedRecord::volley},   {"reward ", &ExpectedRecord::reward},
        {"FG ", &ExpectedRecord::fireGroup},    {"drop kind ", &ExpectedRecord::dropKind},
        {"quest drop ", &ExpectedRecord::questDrop},
    };
    for (const Field& f : kFields) {
        if (StartsWith(attr, f.name)) {
            r.*f.member = Eval(attr.substr(f.name.size()), k, p);
            return;
        }
    }
    if (attr == "immobile") {
        r.mobile = 0;
        r.hasSidestep = false;
        r.hasKeepOff = false;
    } else if (attr == "alt frames" || attr == "frame 1") {
        r.altFrames = 1;
    } else if (StartsWith(attr, "keep-off ")) {
        std::string_view a, b;
        Pair(attr.substr(9), a, b);
        r.hasKeepOff = true;
        r.keepOffX = Eval(a, k, p);
        r.keepOffY = Eval(b, k, p);
    } else if (attr == "no sidestep") {
        r.hasSidestep = true;
        r.sidestep = 0;
        r.sidestepChance = 0;
    } else if (StartsWith(attr, "no sidestep (chance ") && attr.back() == ')') {
        r.hasSidestep = true;
        r.sidestep = 0;
        r.sidestepChance = Eval(attr.substr(20, attr.size() - 21), k, p);
    } else if (StartsWith(attr, "sidestep ") && attr.back() == '%') {
        r.sidestepChance = Eval(attr.substr(9, attr.size() - 10), k, p);
    } else {
        Fail("unknown attribute", attr);
    }
}

}  // namespace

std::vector<ExpectedRecord> Parse(std::string_view defaults, std::string_view records, Params params) {
    ExpectedRecord base;
    base.hasSidestep = true;
    for (std::string_view attr : Split(defaults, ',')) Apply(base, attr, 0, params);

    std::vector<ExpectedRecord> out;
    for (std::string_view group : Split(records, ';')) {
        int32_t count = 1;
        const size_t times = group.find(kTimes);
        if (times != std::string_view::npos) {
            count = Eval(group.substr(0, times), 0, params);
            group = Trim(group.substr(times + kTimes.size()));
        }
        const auto parts = Split(group, ',');
        std::string_view ex, ey;
        Pair(parts[0], ex, ey);
        for (int32_t k = 0; k < count; ++k) {
            ExpectedRecord r = base;
            r.x = Eval(ex, k, params);
            r.y = Eval(ey, k, params);
            for (size_t i = 1; i < parts.size(); ++i) Apply(r, parts[i], k, params);
            out.push_back(r);
        }
    }
    return out;
}

}  // namespace notation

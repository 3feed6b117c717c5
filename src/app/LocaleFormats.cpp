#include "LocaleFormats.h"

namespace twinsweep {

namespace {

// Rewrites a Qt date or time format: M is the month and m the minute in Qt, m and n here;
// H is a 24-hour hour; AP is the marker of a 12-hour clock; names of days and months and
// time zones are left out. `separator` receives the first separator met.
std::string Translate(const QString& qtFormat, char& separator, char defaultSeparator) {
    const std::string in = qtFormat.toStdString();
    std::string out;
    separator = 0;
    for (size_t i = 0; i < in.size();) {
        const char c = in[i];
        size_t n = 1;
        while (i + n < in.size() && in[i + n] == c)
            ++n;
        switch (c) {
        case 'd':
            out += n <= 2 ? std::string(n, 'd') : "";
            break;
        case 'M':
            out += n <= 2 ? std::string(n, 'm') : "mm";
            break;
        case 'y':
            out += n <= 2 ? "yy" : "yyyy";
            break;
        case 'h':
        case 'H':
            out += std::string(std::min<size_t>(n, 2), 'h');
            break;
        case 'm':
            out += std::string(std::min<size_t>(n, 2), 'n');
            break;
        case 's':
            out += std::string(std::min<size_t>(n, 2), 's');
            break;
        case 'z':
            out += n >= 3 ? "zzz" : "z";
            break;
        case 'A':
        case 'a':
            out += c == 'A' ? "AM/PM" : "am/pm";
            n = i + 1 < in.size() && (in[i + 1] == 'P' || in[i + 1] == 'p') ? 2 : 1;
            break;
        case 't':
            break;
        case '\'': {
            const size_t close = in.find('\'', i + 1);
            const size_t end = close == std::string::npos ? in.size() : close;
            out += '"' + in.substr(i + 1, end - i - 1) + '"';
            n = end + 1 - i;
            break;
        }
        default:
            if (!separator && !std::isalnum(static_cast<unsigned char>(c)) && c != ' ' && c != ',')
                separator = c;
            out += std::string(n, c == separator ? defaultSeparator : c);
        }
        i += n;
    }
    if (!separator)
        separator = defaultSeparator;
    // Trailing blanks are left after dropped names and zones.
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace

TFormatSettings FormatSettingsFor(const QLocale& locale) {
    TFormatSettings settings;
    settings.ShortDateFormat =
        Translate(locale.dateFormat(QLocale::ShortFormat), settings.DateSeparator, '/');
    settings.LongTimeFormat =
        Translate(locale.timeFormat(QLocale::LongFormat), settings.TimeSeparator, ':');
    return settings;
}

} // namespace twinsweep

#include "book/BookPayment.h"

#include <array>

namespace {

// The names the book stores and the command line takes, in the order of each enum.
constexpr std::array sourceNames = {"typed", "slip", "table", "invoice"};
constexpr std::array wayNames = {"printed", "pdf", "bankfile"};
constexpr std::array stateNames = {"prepared", "sent", "refused", "accepted", "booked", "received"};

template <class Kind, size_t count>
std::optional<Kind> kindNamed(const std::array<const char *, count> &names, const QString &name)
{
    for (size_t i = 0; i < count; ++i) {
        if (name == QLatin1StringView(names[i]))
            return static_cast<Kind>(i);
    }
    return std::nullopt;
}

} // namespace

QString bookSourceName(BookSource source)
{
    return QLatin1StringView(sourceNames[static_cast<size_t>(source)]);
}

QString bookWayName(BookWay way)
{
    return QLatin1StringView(wayNames[static_cast<size_t>(way)]);
}

QString bookStateName(BookState state)
{
    return QLatin1StringView(stateNames[static_cast<size_t>(state)]);
}

std::optional<BookSource> bookSourceNamed(const QString &name)
{
    return kindNamed<BookSource>(sourceNames, name);
}

std::optional<BookWay> bookWayNamed(const QString &name)
{
    return kindNamed<BookWay>(wayNames, name);
}

std::optional<BookState> bookStateNamed(const QString &name)
{
    return kindNamed<BookState>(stateNames, name);
}

#include "Properties.h"

#include "Context.h"
#include "Messages.h"
#include "PartsBase.h"

#include <cctype>
#include <charconv>

bool SameText(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool TryStrToInt(const std::string& text, int& value)
{
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    if (first == last) return false;
    int parsed = 0;
    const auto [end, error] = std::from_chars(first, last, parsed);
    if (error != std::errc() || end != last) return false;
    value = parsed;
    return true;
}

int StrToIntDef(const std::string& text, int fallback)
{
    int value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

std::string GetPropText(const TPartsBase& object, const std::string& name)
{
    const auto prop = object.FindProp(name);
    if (!prop) {
        object.Context().ShowMessage(Tr("There is no property %1", {name}));
        return {};
    }
    if (prop->Kind == TPropKind::Unsupported) {
        object.Context().ShowMessage(Tr("This type of property cannot be used at present"));
        return {};
    }
    return prop->Get(object);
}

void SetPropText(TPartsBase& object, const std::string& name, const std::string& value)
{
    const auto prop = object.FindProp(name);
    if (!prop) {
        object.Context().ShowMessage(Tr("There is no property %1", {name}));
        return;
    }
    if (prop->Kind == TPropKind::Unsupported) {
        object.Context().ShowMessage(Tr("This type of property cannot be used at present"));
        return;
    }
    prop->Set(object, value);
}

#include "shared/shown_settings.h"

namespace orvant {

std::optional<ValueIndex> SettingValues::operator[](Parameter parameter) const
{
    const std::uint8_t value = values_[slotOf(parameter)];
    return value == kNone ? std::nullopt : std::optional<ValueIndex>(value);
}

void SettingValues::set(Parameter parameter, std::optional<ValueIndex> value)
{
    values_[slotOf(parameter)] = value.value_or(kNone);
}

std::string DecodedSettings::text(Parameter parameter) const
{
    if (parameter == Parameter::FrameNr)
        return std::to_string(frameNumber);
    if (parameter == Parameter::ByteCount)
        return std::to_string(byteCount);
    const auto value = values[parameter];
    return value ? std::string(settingValues(parameter)[*value].decoded) : std::string();
}

SettingValues ShownSettings::values() const
{
    SettingValues values;
    for (const Parameter parameter : kAllParameters)
        values.set(parameter, (*this)[parameter].value);
    return values;
}

void ShownSettings::empty()
{
    for (ShownSetting &setting : settings_) {
        setting.text.clear();
        setting.value.reset();
    }
}

void ShownSettings::showDecoded(const DecodedSettings &decoded)
{
    for (const Parameter parameter : kAllParameters) {
        ShownSetting &setting = settings_[slotOf(parameter)];
        setting.text = decoded.text(parameter);
        setting.value = decoded.values[parameter];
    }
}

void ShownSettings::showChoice(Parameter parameter, ValueIndex option)
{
    ShownSetting &setting = settings_[slotOf(parameter)];
    setting.text = settingValues(parameter)[option].written;
    setting.value = option;
    setting.red = true;
}

void ShownSettings::clear()
{
    empty();
    for (ShownSetting &setting : settings_)
        setting.red = false;
}

} // namespace orvant

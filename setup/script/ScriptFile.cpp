// Applying a stream tree to a parameter set, building the tree back, and the file operations.
#include "setup/script/ScriptFile.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Numeric.h"
#include "platform/files/Files.h"
#include "platform/text/Cp1251.h"

#include <map>

namespace setup {

namespace {

bool EndsWithStrings(std::string_view path) {
    constexpr std::string_view kStrings = "Strings";
    return path.size() >= kStrings.size() &&
           plat::SameText(path.substr(path.size() - kStrings.size()), kStrings);
}

void ApplyProperty(const StreamProperty& property, size_t index, SetupParams& params) {
    const ParamDef& def = ParamTable()[index];
    SetupParams::Value& target = params.At(index);
    const StreamValue& value = property.Value;
    switch (def.Kind) {
    case ParamKind::Text:
        if (plat::SameText(property.Name, "Text") && value.IsString())
            target.Text = value.TextValue();
        return;
    case ParamKind::Color:
        if (plat::SameText(property.Name, "Hint") && value.IsString())
            target.Text = value.TextValue();
        return;
    case ParamKind::Flag:
        if (plat::SameText(property.Name, "Checked") &&
            (value.Tag == ValueTag::True || value.Tag == ValueTag::False))
            target.Flag = value.Tag == ValueTag::True;
        if (plat::SameText(property.Name, "State") && value.Tag == ValueTag::Ident)
            target.Flag = plat::SameText(value.Bytes, "cbChecked");
        return;
    case ParamKind::Lines:
        if (!EndsWithStrings(property.Name) || value.Tag != ValueTag::List)
            return;
        target.Lines.clear();
        for (const StreamValue& item : value.List)
            if (item.IsString())
                target.Lines.push_back(item.TextValue());
        return;
    }
}

void ApplyComponent(const StreamComponent& component, SetupParams& params) {
    if (std::optional<size_t> index = FindParam(component.Name))
        for (const StreamProperty& property : component.Properties)
            ApplyProperty(property, *index, params);
    for (const StreamComponent& child : component.Children)
        ApplyComponent(child, params);
}

StreamValue StringValue(std::string_view text) {
    StreamValue value;
    value.Tag = text.size() > 255 ? ValueTag::LString : ValueTag::String;
    value.Bytes = std::string(text);
    return value;
}

const char* ClassOf(ParamKind kind) {
    switch (kind) {
    case ParamKind::Text:
        return "TEdit";
    case ParamKind::Lines:
        return "TMemo";
    case ParamKind::Flag:
        return "TCheckBox";
    case ParamKind::Color:
        return "TButton";
    }
    return "TEdit";
}

// The component for one parameter, or nothing when the rules leave it out.
std::optional<StreamComponent> ParamComponent(const ParamDef& def, const SetupParams::Value& value) {
    StreamComponent component;
    component.ClassName = ClassOf(def.Kind);
    component.Name = def.Name;
    switch (def.Kind) {
    case ParamKind::Text:
        if (value.Text.empty())
            return std::nullopt;
        component.Properties.push_back({"Text", StringValue(value.Text)});
        break;
    case ParamKind::Color:
        component.Properties.push_back({"Hint", StringValue(value.Text)});
        break;
    case ParamKind::Flag: {
        if (!value.Flag)
            return std::nullopt;
        StreamValue on;
        on.Tag = ValueTag::True;
        StreamValue state;
        state.Tag = ValueTag::Ident;
        state.Bytes = "cbChecked";
        component.Properties.push_back({"Checked", on});
        component.Properties.push_back({"State", state});
        break;
    }
    case ParamKind::Lines: {
        if (value.Lines.empty())
            return std::nullopt;
        StreamValue list;
        list.Tag = ValueTag::List;
        for (const std::string& line : value.Lines)
            list.List.push_back(StringValue(line));
        component.Properties.push_back({"Lines.Strings", list});
        break;
    }
    }
    return component;
}

} // namespace

void ApplyStream(const StreamComponent& root, SetupParams& params) {
    ApplyComponent(root, params);
}

StreamComponent BuildStream(const SetupParams& params) {
    StreamComponent root;
    root.ClassName = "TParamsForm";
    root.Name = "ParamsForm";
    StreamValue caption = StringValue("Setup.inf");
    root.Properties.push_back({"Caption", caption});
    StreamComponent pages;
    pages.ClassName = "TPageControl";
    pages.Name = "PageControl1";
    std::map<std::string, size_t> pageIndex;
    for (size_t i = 0; i < ParamTable().size(); ++i) {
        const ParamDef& def = ParamTable()[i];
        auto [it, added] = pageIndex.try_emplace(def.Page, pages.Children.size());
        if (added) {
            StreamComponent page;
            page.ClassName = "TTabSheet";
            page.Name = def.Page;
            pages.Children.push_back(std::move(page));
        }
        if (std::optional<StreamComponent> component = ParamComponent(def, params.At(i)))
            pages.Children[it->second].Children.push_back(std::move(*component));
    }
    root.Children.push_back(std::move(pages));
    return root;
}

void LoadScript(SetupParams& params, const std::string& winPath) {
    if (!plat::FileExists(winPath))
        return;
    std::string bytes = plat::ReadFileBytes(winPath);
    StreamComponent root = ReadObjectStream(bytes, winPath);

    SetupParams loaded = params;
    loaded.SetFlag("Restart", false);
    loaded.SetFlag("AutoUninstall", false);
    loaded.SetLines("ListFiles", {});
    loaded.SetLines("ListIcons", {});
    for (const char* name : {"FlagText1", "FlagText2", "FlagText3", "Flag1", "Flag2", "Flag3"})
        loaded.SetText(name, "");
    loaded.SetColorText("TopColor", "16711680");
    loaded.SetColorText("BottomColor", "0");
    ApplyStream(root, loaded);
    loaded.SetColorText("TopColor",
                        plat::IntToStr(plat::StrToIntDef(loaded.ColorText("TopColor"), 16711680)));
    loaded.SetColorText("BottomColor", plat::IntToStr(plat::StrToIntDef(loaded.ColorText("BottomColor"), 0)));
    params = std::move(loaded);
}

void SaveScript(const SetupParams& params, const std::string& winPath) {
    plat::WriteFileBytes(winPath, WriteObjectStream(BuildStream(params)));
}

} // namespace setup

// "Scale" from the product key to the toolkit's window scale.
#include "designer/shell/WindowScaleSetting.h"

#include "designer/shell/Settings.h"
#include "platform/registry/Registry.h"
#include "platform/ui/WindowScale.h"

int ApplyDesignerWindowScale() {
    int setting = 0;
    {
        plat::TRegIniFile ini(kProductKey);
        setting = ini.ReadInteger("", "Scale", 0);
    }
    return plat::ApplyWindowScale(setting);
}

#include "strip/VEMenuItemRegistry.h"

#include "strip/VEMenuItem.h"

VEMenuItemRegistry& VEMenuItemRegistry::shared()
{
    static VEMenuItemRegistry registry;
    return registry;
}

void VEMenuItemRegistry::registerClass(const QString& className, Factory factory)
{
    if (className.isEmpty() || !factory)
        return;
    mFactories[className] = std::move(factory);
}

void VEMenuItemRegistry::unregisterClass(const QString& className)
{
    mFactories.erase(className);
}

bool VEMenuItemRegistry::hasClass(const QString& className) const
{
    return mFactories.contains(className);
}

QStringList VEMenuItemRegistry::classNames() const
{
    QStringList names;
    for (const auto& [name, factory] : mFactories)
        names.append(name);
    return names;
}

std::unique_ptr<VEMenuItem> VEMenuItemRegistry::createItem(const QString& className,
                                                           const VEPlistDictionary* dictionary) const
{
    const auto it = mFactories.find(className);
    if (it == mFactories.end())
        return nullptr;
    return it->second(dictionary);
}

#include "base/QnAbstractFactory.h"

#include "base/QnExcept.h"

#include <map>
#include <mutex>
#include <typeindex>
#include <utility>

namespace {
using Key = std::pair<std::type_index, std::type_index>;

struct Registry {
    std::mutex mutex;
    std::map<Key, const QnAbstractFactory*> factories;
};

Registry& registry()
{
    static Registry r;
    return r;
}
} // namespace

QnAbstractFactory::QnAbstractFactory(const std::type_info& base, const std::type_info& type)
    : base_(base), type_(type)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.factories[Key(base, type)] = this;
}

QnAbstractFactory::~QnAbstractFactory()
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.factories.find(Key(base_, type_));
    if (it != r.factories.end() && it->second == this)
        r.factories.erase(it);
}

void* QnAbstractFactory::create(const std::type_info& base, const std::type_info& type)
{
    const QnAbstractFactory* factory = nullptr;
    {
        Registry& r = registry();
        std::lock_guard lock(r.mutex);
        auto it = r.factories.find(Key(base, type));
        if (it != r.factories.end())
            factory = it->second;
    }
    if (!factory) {
        const std::string text = "No factory makes " + QnTypeName(type) + " as " + QnTypeName(base);
        QnTypeIdExcept e(text.c_str(), "QnAbstractFactory", __LINE__);
        e.raise();
    }
    return factory->make();
}

bool QnAbstractFactory::IsRegistered(const std::type_info& base, const std::type_info& type)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    return r.factories.count(Key(base, type)) != 0;
}

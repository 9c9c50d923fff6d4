#include "platform/inspect.h"

#include <QHash>
#include <utility>

namespace quenza::platform {

namespace {

std::function<QJsonObject()>& provider() {
    static std::function<QJsonObject()> current;
    return current;
}

QHash<QString, std::function<QJsonObject()>>& unloadedProviders() {
    static QHash<QString, std::function<QJsonObject()>> providers;
    return providers;
}

} // namespace

void setStateProvider(std::function<QJsonObject()> stateProvider) {
    provider() = std::move(stateProvider);
}

QJsonObject processState() {
    return provider() ? provider()() : QJsonObject{};
}

void setUnloadedFields(const QString& window, std::function<QJsonObject()> fieldsProvider) {
    unloadedProviders().insert(window, std::move(fieldsProvider));
}

QJsonObject unloadedFields(const QString& window) {
    const auto found = unloadedProviders().constFind(window);
    return found != unloadedProviders().cend() && *found ? (*found)() : QJsonObject{};
}

} // namespace quenza::platform

#pragma once

#include <memory>

namespace quenza::platform {

// A process-wide service: the one installed last, or a default made on first
// use. It is never freed at exit, so windows destroyed late can still reach it.
template <typename Service> class Installed {
public:
    // `makeDefault` runs only when nothing is installed yet.
    template <typename MakeDefault> Service& getOr(MakeDefault makeDefault) {
        if (service_ == nullptr) {
            service_ = makeDefault().release();
        }
        return *service_;
    }
    void install(std::unique_ptr<Service> service) {
        delete service_;
        service_ = service.release();
    }

private:
    Service* service_ = nullptr;
};

} // namespace quenza::platform

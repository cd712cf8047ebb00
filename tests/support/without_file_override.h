#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace orvant::test {

// Takes from the calling thread, for its lifetime, the capabilities that let
// root read and write any file, so permission bits hold as for an ordinary
// user. The window's loads and exports run on this thread. Harmless where the
// user holds no such capability.
class WithoutFileOverride
{
public:
    WithoutFileOverride()
    {
        if (::syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            reduced[0].effective &= ~(1u << capability);
        dropped_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~WithoutFileOverride()
    {
        if (dropped_)
            ::syscall(SYS_capset, &header_, saved_);
    }
    WithoutFileOverride(const WithoutFileOverride &) = delete;
    WithoutFileOverride &operator=(const WithoutFileOverride &) = delete;

private:
    __user_cap_header_struct header_ {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] {};
    bool dropped_ = false;
};

} // namespace orvant::test

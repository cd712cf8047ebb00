#pragma once

#include <memory>
#include <mutex>
#include <vector>

namespace orvant {

// Objects that are costly to make (large tables, prepared transforms), lent to one
// caller at a time and kept for the next, on any thread. Unlike objects kept per thread
// they are destroyed with the lender, never as a thread ends (which the Windows C
// runtime's threads do unreliably).
template<typename T> class Lender
{
public:
    class Loan
    {
    public:
        Loan(Lender &lender, std::unique_ptr<T> object)
            : lender_(lender)
            , object_(std::move(object))
        {
        }
        Loan(const Loan &) = delete;
        Loan &operator=(const Loan &) = delete;
        ~Loan() { lender_.giveBack(std::move(object_)); }
        T &operator*() const { return *object_; }
        T *operator->() const { return object_.get(); }

    private:
        Lender &lender_;
        std::unique_ptr<T> object_;
    };

    Loan borrow()
    {
        {
            const std::lock_guard lock(mutex_);
            if (!kept_.empty()) {
                std::unique_ptr<T> object = std::move(kept_.back());
                kept_.pop_back();
                return Loan(*this, std::move(object));
            }
        }
        return Loan(*this, std::make_unique<T>());
    }

private:
    void giveBack(std::unique_ptr<T> object)
    {
        const std::lock_guard lock(mutex_);
        kept_.push_back(std::move(object));
    }

    std::mutex mutex_;
    std::vector<std::unique_ptr<T>> kept_;
};

} // namespace orvant

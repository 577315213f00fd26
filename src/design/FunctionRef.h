// A non-owning reference to a callable: what the check sequence receives for
// each of a shape's steps. Nothing is allocated; the callable must outlive the
// call it is passed to (a lambda written in the call's argument list does).
// A default-constructed reference is empty and tests false: an optional step.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

namespace zorsteel {

template <class Signature>
class FunctionRef;

template <class R, class... Args>
class FunctionRef<R(Args...)>
{
public:
    FunctionRef() noexcept = default;

    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, FunctionRef>>>
    FunctionRef(F&& f) noexcept
        : m_callable(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          m_invoke([](void* callable, Args... args) -> R {
              return (*static_cast<std::remove_reference_t<F>*>(callable))(std::forward<Args>(args)...);
          })
    {
    }

    R operator()(Args... args) const { return m_invoke(m_callable, std::forward<Args>(args)...); }
    explicit operator bool() const noexcept { return m_invoke != nullptr; }

private:
    void* m_callable = nullptr;
    R (*m_invoke)(void*, Args...) = nullptr;
};

} // namespace zorsteel

// A non-owning reference to a callable: what the check sequence receives for
// each of a shape's steps. Nothing is allocated; the callable must outlive the
// call it is passed to (a lambda written in the call's argument list does).
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

template <class Signature>
class FunctionRef;

template <class R, class... Args>
class FunctionRef<R(Args...)>
{
public:
    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, FunctionRef>>>
    FunctionRef(F&& f) noexcept
        : m_callable(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          m_invoke([](void* callable, Args... args) -> R {
              return (*static_cast<std::remove_reference_t<F>*>(callable))(std::forward<Args>(args)...);
          })
    {
    }

    R operator()(Args... args) const { return m_invoke(m_callable, std::forward<Args>(args)...); }

private:
    void* m_callable;
    R (*m_invoke)(void*, Args...);
};

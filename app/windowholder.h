#pragma once
// The one global instance of a window, made on first use.
//
// Every window reaches the others through these globals (gameWindow ... aboutDialog).
// Building all ten before the start window shows cost most of the start-up
// time and memory, so each is built the first time some code touches it:
// `levelDoneDialog->usedTimeLabel`, `showModal(playerDialog)` and `w == timeUpDialog` all work as they did
// with a plain pointer. Comparing and testing for null never build a window.
template <typename T> class WindowHolder {
public:
    WindowHolder() = default;
    WindowHolder(const WindowHolder&) = delete;
    WindowHolder& operator=(const WindowHolder&) = delete;

    T* get()
    {
        if (!p_)
            p_ = new T;
        return p_;
    }
    T* operator->() { return get(); }
    T& operator*() { return *get(); }
    operator T*() { return get(); }

    // True once the window exists; never builds it.
    bool created() const { return p_ != nullptr; }
    // Not const, like the conversion to T*: otherwise `!levelDoneDialog` would take
    // that one and build the window.
    explicit operator bool() { return created(); }

    // Destroys the window; the next use builds a new one.
    void destroy()
    {
        T* p = p_;
        p_ = nullptr;
        delete p;
    }

    template <typename U> friend bool operator==(const U* w, const WindowHolder& f)
    {
        return f.p_ && static_cast<const void*>(w) == static_cast<const void*>(static_cast<const U*>(f.p_));
    }

private:
    T* p_ = nullptr;
};

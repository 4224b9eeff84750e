#pragma once
// Sets a flag for the length of a scope and puts its old value back, also
// when the scope is left by an exception.
namespace tv {

class TFlagGuardEh {
public:
    explicit TFlagGuardEh(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~TFlagGuardEh() { flag_ = old_; }
    TFlagGuardEh(const TFlagGuardEh&) = delete;
    TFlagGuardEh& operator=(const TFlagGuardEh&) = delete;

private:
    bool& flag_;
    bool old_;
};

} // namespace tv

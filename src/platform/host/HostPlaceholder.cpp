// Keeps the host adapter library non-empty until its adapters land.
namespace {
[[maybe_unused]] int g_nHostPlaceholder = 0;
}

#pragma once

namespace tunelot {

// Who makes Tunelot, as the About box and the help document name them.
inline constexpr char kMakerName[] = "Tunelot developers";
inline constexpr char kCopyrightLine[] = "Copyright (c) 2026 Tunelot developers";
inline constexpr char kMakerWebAddress[] = "https://tunelot.example.org";

}  // namespace tunelot

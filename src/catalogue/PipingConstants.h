#pragma once
// The bounds of the piping tables the piping file fills, and the constants of
// the pipe friction that reads them (feet, seconds, GPM).

// The most materials, sizes, valves and fitting kinds a piping file gives.
inline constexpr int kPipeMaterials = 3;
inline constexpr int kPipeSizes = 5;
inline constexpr int kPipeValves = 2;
inline constexpr int kFittingKinds = 4; // 45° elbow, 90° elbow, thru tee, side tee
// A valve's lengths by size: one slot past the last size, which stays 0.
inline constexpr int kValveLengthSlots = kPipeSizes + 1;

// A flow of Q GPM through a pipe of inside diameter D feet moves at
// Q / (D² · this) feet per second.
inline constexpr double kGpmSquareFeetToFeetPerSecond = 352.4864112854004;
// Twice the acceleration of gravity, ft/s², of the velocity head V² / 2g.
inline constexpr double kTwoG = 64.34;

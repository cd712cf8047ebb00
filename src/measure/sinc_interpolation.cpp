#include "measure/sinc_interpolation.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace orvant {

namespace {

constexpr int kPredictionOrder = 16;
// A continuation that runs away (an unstable fit of a few odd samples) stops here.
constexpr double kFarthestCode = 512;

// Coefficients a with x[n] ≈ Σ a_i·x[n−i] and, the same a, x[n] ≈ Σ a_i·x[n+i], the
// squared errors of both summed (the modified covariance method).
Eigen::VectorXd predictionCoefficients(const std::vector<double> &x, int order)
{
    const int n = static_cast<int>(x.size());
    Eigen::MatrixXd normal = Eigen::MatrixXd::Zero(order, order);
    Eigen::VectorXd right = Eigen::VectorXd::Zero(order);
    const auto add = [&](const Eigen::VectorXd &past, double now) {
        normal += past * past.transpose();
        right += past * now;
    };
    Eigen::VectorXd past(order);
    for (int t = order; t < n; ++t) {
        for (int i = 0; i < order; ++i)
            past[i] = x[static_cast<std::size_t>(t - 1 - i)];
        add(past, x[static_cast<std::size_t>(t)]);
        for (int i = 0; i < order; ++i)
            past[i] = x[static_cast<std::size_t>(n - t + i)];
        add(past, x[static_cast<std::size_t>(n - 1 - t)]);
    }
    // A flat record leaves the equations singular: a touch of damping settles them.
    normal.diagonal().array() += 1e-9 * (normal.trace() / order + 1.0);
    return normal.ldlt().solve(right);
}

// Continues `x` (centred values) by `count` predictions after its end.
std::vector<double> continued(std::vector<double> x, const Eigen::VectorXd &a, int count,
                              double mean)
{
    const int order = static_cast<int>(a.size());
    const std::size_t start = x.size();
    for (int k = 0; k < count; ++k) {
        double next = 0;
        for (int i = 0; i < order; ++i)
            next += a[i] * x[x.size() - 1 - static_cast<std::size_t>(i)];
        x.push_back(std::clamp(next, -kFarthestCode - mean, kFarthestCode - mean));
    }
    return {x.begin() + static_cast<std::ptrdiff_t>(start), x.end()};
}

double blackman(double u)
{
    const double phase = std::numbers::pi * u / kSincHalfWidth;
    return 0.42 + 0.5 * std::cos(phase) + 0.08 * std::cos(2 * phase);
}

} // namespace

SincReconstruction::SincReconstruction(std::span<const std::int16_t> values)
    : count_(static_cast<int>(values.size()))
{
    if (values.empty())
        return;
    mean_ = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
    const double mean = mean_;
    std::vector<double> centred;
    centred.reserve(values.size());
    for (const std::int16_t value : values)
        centred.push_back(value - mean);
    std::vector<double> before(kSincHalfWidth, 0.0);
    std::vector<double> after(kSincHalfWidth, 0.0);
    if (static_cast<int>(values.size()) > 2 * kPredictionOrder) {
        const Eigen::VectorXd a = predictionCoefficients(centred, kPredictionOrder);
        after = continued(centred, a, kSincHalfWidth, mean);
        before = continued(std::vector<double>(centred.rbegin(), centred.rend()), a, kSincHalfWidth,
                           mean);
        std::reverse(before.begin(), before.end());
    } else {
        // Too short to predict: the end samples held.
        before.assign(kSincHalfWidth, centred.front());
        after.assign(kSincHalfWidth, centred.back());
    }
    extended_.reserve(values.size() + 2 * kSincHalfWidth);
    for (const auto *part : {&before, &centred, &after}) {
        for (const double value : *part)
            extended_.push_back(value);
    }
}

SincWeights sincWeights(double position, int count)
{
    SincWeights made;
    made.count = count;
    if (count == 0)
        return made;
    const double t = std::clamp(position, 1.0, static_cast<double>(count));
    const double whole = std::floor(t);
    const int n0 = static_cast<int>(whole);
    if (t == whole) {
        made.wholeSample = true;
        made.firstSample = n0;
        return made;
    }
    made.firstSample = n0 - kSincHalfWidth + 1;
    // sin(π(t − n)) alternates in sign from one n to the next.
    const double sine = std::sin(std::numbers::pi * (t - whole));
    for (int i = 0; i < 2 * kSincHalfWidth; ++i) {
        const int n = made.firstSample + i;
        const double u = t - n;
        const double sign = (n0 - n) % 2 == 0 ? 1.0 : -1.0;
        made.weights[static_cast<std::size_t>(i)]
            = sign * sine / (std::numbers::pi * u) * blackman(u);
    }
    return made;
}

double SincReconstruction::valueAt(double position) const
{
    return valueAt(sincWeights(position, count_));
}

double SincReconstruction::valueAt(const SincWeights &weights) const
{
    if (count_ == 0 || weights.count != count_)
        return 0;
    const auto from = extended_.begin() + (weights.firstSample - 1 + kSincHalfWidth);
    if (weights.wholeSample)
        return *from + mean_;
    return std::inner_product(weights.weights.begin(), weights.weights.end(), from, 0.0) + mean_;
}

} // namespace orvant

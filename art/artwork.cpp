// The program's pictures, drawn by a small anti-aliased rasteriser of its own.
//
// Every shape is a signed distance function in design units (negative inside). A pixel's
// coverage is how far its centre lies inside the edge, measured in device pixels and clamped
// to 0..1, which gives smooth edges at any scale without supersampling. Colours stay
// premultiplied, in floating point, while a picture is drawn, and are rounded once at the end.
// Pictures made of parts (a glyph with a drop shadow, links cut where they cross) are drawn on
// layers and composited.

#include "art/artwork.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <numbers>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace art {
namespace {

constexpr double kPi = std::numbers::pi;

struct Vec {
  double x = 0;
  double y = 0;
};
constexpr Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
constexpr Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
constexpr Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
constexpr double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double length(Vec a) { return std::sqrt(dot(a, a)); }
// The point at `angle` (radians, clockwise from +x since y grows downwards) on a circle.
Vec polar(Vec centre, double radius, double angle) {
  return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}
constexpr double degrees(double d) { return d * kPi / 180.0; }

struct Box {
  double x0 = 0;
  double y0 = 0;
  double x1 = 0;
  double y1 = 0;
  constexpr Box grow(double d) const { return {x0 - d, y0 - d, x1 + d, y1 + d}; }
  constexpr Box shift(double dx, double dy) const { return {x0 + dx, y0 + dy, x1 + dx, y1 + dy}; }
};

// A colour with premultiplied channels, 0..1.
struct Colour {
  float r = 0;
  float g = 0;
  float b = 0;
  float a = 0;
};

// 0xRRGGBB at the given opacity.
constexpr Colour rgb(unsigned hex, double alpha = 1.0) {
  const auto channel = [&](int shift) {
    return static_cast<float>(((hex >> shift) & 0xFF) / 255.0 * alpha);
  };
  return {channel(16), channel(8), channel(0), static_cast<float>(alpha)};
}

Colour mix(Colour a, Colour b, double t) {
  const auto f = static_cast<float>(t);
  return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f,
          a.a + (b.a - a.a) * f};
}

Colour faded(Colour c, double k) {
  const auto f = static_cast<float>(k);
  return {c.r * f, c.g * f, c.b * f, c.a * f};
}

// What a shape is filled with: one colour, or a linear gradient of up to four stops.
class Paint {
 public:
  struct Stop {
    double at;
    Colour colour;
  };

  Paint(Colour c) : count_(1) { stops_[0] = {0, c}; }  // a colour is a paint, implicitly
  Paint(Vec from, Vec to, std::initializer_list<Stop> stops) : from_(from) {
    const Vec d = to - from;
    const double len2 = std::max(dot(d, d), 1e-9);
    step_ = d * (1.0 / len2);
    for (const Stop& s : stops) {
      if (count_ < stops_.size()) stops_[count_++] = s;
    }
  }
  // A gradient from `a` at `from` to `b` at `to`.
  Paint(Vec from, Colour a, Vec to, Colour b) : Paint(from, to, {{0, a}, {1, b}}) {}

  Colour operator()(Vec p) const {
    if (count_ == 1) return stops_[0].colour;
    const double t = dot(p - from_, step_);
    if (t <= stops_[0].at) return stops_[0].colour;
    for (std::size_t i = 1; i < count_; ++i) {
      if (t < stops_[i].at) {
        const double span = stops_[i].at - stops_[i - 1].at;
        return mix(stops_[i - 1].colour, stops_[i].colour, (t - stops_[i - 1].at) / span);
      }
    }
    return stops_[count_ - 1].colour;
  }

 private:
  std::array<Stop, 4> stops_{};
  std::size_t count_ = 0;
  Vec from_;
  Vec step_;
};

// A vertical gradient over a box, `top` to `bottom`.
Paint vertical(const Box& b, Colour top, Colour bottom) {
  return Paint({0, b.y0}, top, {0, b.y1}, bottom);
}

// ---- Signed distances, in design units ----

double sd_box(Vec p, const Box& b, double radius) {
  const double hx = (b.x1 - b.x0) / 2;
  const double hy = (b.y1 - b.y0) / 2;
  const double r = std::clamp(radius, 0.0, std::max(0.0, std::min(hx, hy)));
  const double qx = std::abs(p.x - (b.x0 + b.x1) / 2) - hx + r;
  const double qy = std::abs(p.y - (b.y0 + b.y1) / 2) - hy + r;
  const double ox = std::max(qx, 0.0);
  const double oy = std::max(qy, 0.0);
  return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - r;
}

double sd_circle(Vec p, Vec c, double r) { return length(p - c) - r; }

// Distance to the segment a-b (a line of width w is this minus w / 2).
double d_segment(Vec p, Vec a, Vec b) {
  const Vec pa = p - a;
  const Vec ba = b - a;
  const double len2 = dot(ba, ba);
  const double h = len2 > 0 ? std::clamp(dot(pa, ba) / len2, 0.0, 1.0) : 0.0;
  return length(pa - ba * h);
}

// Distance to the arc of the circle (c, r) from angle `from` sweeping `sweep` radians
// (clockwise when positive).
double d_arc(Vec p, Vec c, double r, double from, double sweep) {
  if (sweep < 0) {
    from += sweep;
    sweep = -sweep;
  }
  if (sweep >= 2 * kPi) return std::abs(length(p - c) - r);
  const Vec q = p - c;
  double rel = std::atan2(q.y, q.x) - from;
  rel = std::fmod(rel, 2 * kPi);
  if (rel < 0) rel += 2 * kPi;
  if (rel <= sweep) return std::abs(length(q) - r);
  return std::min(length(p - polar(c, r, from)), length(p - polar(c, r, from + sweep)));
}

// Signed distance to a simple polygon (even-odd inside test).
double sd_polygon(Vec p, std::span<const Vec> v) {
  double d = dot(p - v[0], p - v[0]);
  double sign = 1;
  for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
    const Vec e = v[j] - v[i];
    const Vec w = p - v[i];
    const Vec b = w - e * std::clamp(dot(w, e) / dot(e, e), 0.0, 1.0);
    d = std::min(d, dot(b, b));
    const bool c1 = p.y >= v[i].y;
    const bool c2 = p.y < v[j].y;
    const bool c3 = e.x * w.y > e.y * w.x;
    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
  }
  return sign * std::sqrt(d);
}

// A capsule ring ("stadium") along direction `axis` (unit): half-length of its straight part
// `half`, radius `r`; signed distance to the filled stadium.
double sd_stadium(Vec p, Vec centre, Vec axis, double half, double r) {
  const Vec q = p - centre;
  const double u = std::abs(dot(q, axis)) - half;
  const double v = q.x * -axis.y + q.y * axis.x;
  return length({std::max(u, 0.0), v}) - r;
}

Box intersect(const Box& a, const Box& b) {
  return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

Box bounds_of(std::span<const Vec> points) {
  Box b{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Vec& p : points) {
    b = {std::min(b.x0, p.x), std::min(b.y0, p.y), std::max(b.x1, p.x), std::max(b.y1, p.y)};
  }
  return b;
}

// ---- The canvas ----

class Canvas {
 public:
  // `origin` is where design point (0, 0) falls, in device pixels.
  Canvas(int width, int height, double scale, Vec origin = {})
      : width_(std::max(width, 0)),
        height_(std::max(height, 0)),
        scale_(scale > 0 ? scale : 1.0),
        origin_(origin),
        px_(static_cast<std::size_t>(width_) * height_ * 4, 0.0f) {}

  int width() const { return width_; }
  int height() const { return height_; }
  double scale() const { return scale_; }
  Vec origin() const { return origin_; }
  // One device pixel, in design units.
  double pixel() const { return 1.0 / scale_; }
  // The canvas size in design units.
  double design_width() const { return (width_ - origin_.x) / scale_; }
  double design_height() const { return (height_ - origin_.y) / scale_; }

  // A box whose edges are moved to the nearest device pixel edges, for crisp borders.
  Box snap(const Box& b) const {
    const auto s = [&](double v, double o) { return (std::round(v * scale_ + o) - o) / scale_; };
    return {s(b.x0, origin_.x), s(b.y0, origin_.y), s(b.x1, origin_.x), s(b.y1, origin_.y)};
  }

  // Paints the shape with `paint`, a callable giving the colour at a design point.
  // `softness`, in design units, widens the edge into a smooth ramp (soft shadows, glows).
  template <class Shape, class PaintFn>
  void fill_with(const Box& bounds, const Shape& shape, const PaintFn& paint, double softness = 0) {
    cover_each(bounds, shape, softness,
               [&](float* out, Vec p, float cover) { over(out, paint(p), cover); });
  }
  template <class Shape>
  void fill(const Box& bounds, const Shape& shape, const Paint& paint, double softness = 0) {
    fill_with(bounds, shape, paint, softness);
  }

  // Clears what lies under the shape (cuts gaps where one part passes in front of another).
  template <class Shape>
  void erase(const Box& bounds, const Shape& shape) {
    cover_each(bounds, shape, 0, [](float* out, Vec, float cover) {
      for (int k = 0; k < 4; ++k) out[k] *= 1 - cover;
    });
  }

  // Clears whole rows of pixels, from `from` up to `to`.
  void erase_rows(int from, int to) {
    from = std::clamp(from, 0, height_);
    to = std::clamp(to, from, height_);
    std::fill(px_.begin() + static_cast<std::ptrdiff_t>(from) * width_ * 4,
              px_.begin() + static_cast<std::ptrdiff_t>(to) * width_ * 4, 0.0f);
  }

  // A filled rounded rectangle. Its inside, away from the rounded corners and the soft edge,
  // is painted without measuring distances: most of the area of a large face.
  void rect(const Box& b, double radius, const Paint& paint, double softness = 0) {
    const Box inner = b.grow(-std::max(radius, softness / 2));
    cover_each(
        b.grow(softness), [&](Vec p) { return sd_box(p, b, radius); }, softness,
        [&](float* out, Vec p, float cover) { over(out, paint(p), cover); }, inner);
    for_inside(inner, [&](float* out, Vec p) { over(out, paint(p), 1.0f); });
  }
  // A border of width `w` just inside the box.
  void rect_border(const Box& b, double radius, double w, const Paint& paint) {
    const Box mid = b.grow(-w / 2);
    const double r = std::max(0.0, radius - w / 2);
    cover_each(
        b, [&](Vec p) { return std::abs(sd_box(p, mid, r)) - w / 2; }, 0,
        [&](float* out, Vec p, float cover) { over(out, paint(p), cover); },
        b.grow(-w - radius - pixel()));
  }
  // Fills the box except the middle part of `hole`, which something opaque covers later.
  void rect_around(const Box& b, double radius, const Paint& paint, double softness,
                   const Box& hole) {
    cover_each(
        b.grow(softness), [&](Vec p) { return sd_box(p, b, radius); }, softness,
        [&](float* out, Vec p, float cover) { over(out, paint(p), cover); }, hole);
  }
  void circle(Vec c, double r, const Paint& paint, double softness = 0) {
    fill(
        Box{c.x - r, c.y - r, c.x + r, c.y + r}.grow(softness),
        [&](Vec p) { return sd_circle(p, c, r); }, paint, softness);
  }
  // A ring of width `w` centred on radius `r`.
  void ring(Vec c, double r, double w, const Paint& paint) {
    fill(
        Box{c.x - r, c.y - r, c.x + r, c.y + r}.grow(w),
        [&](Vec p) { return std::abs(length(p - c) - r) - w / 2; }, paint);
  }
  // Lines through the points, of width `w`, with round ends and joins.
  void polyline(std::initializer_list<Vec> points, double w, const Paint& paint) {
    const std::vector<Vec> v(points);
    fill(
        bounds_of(v).grow(w),
        [&](Vec p) {
          double d = d_segment(p, v[0], v[0]);
          for (std::size_t i = 1; i < v.size(); ++i) d = std::min(d, d_segment(p, v[i - 1], v[i]));
          return d - w / 2;
        },
        paint);
  }
  void line(Vec a, Vec b, double w, const Paint& paint) { polyline({a, b}, w, paint); }
  // A filled polygon; `round` rounds its corners (and grows it by as much).
  void polygon(std::initializer_list<Vec> points, const Paint& paint, double round = 0) {
    const std::vector<Vec> v(points);
    fill(
        bounds_of(v).grow(round), [&](Vec p) { return sd_polygon(p, v) - round; }, paint);
  }

  // Composites a layer over this one with the layer's pixel (0, 0) at (dx, dy); `shade`
  // darkens its colours (1 = as drawn).
  void draw(const Canvas& layer, int dx = 0, int dy = 0, double opacity = 1, double shade = 1) {
    const auto k = static_cast<float>(opacity);
    const auto dim = static_cast<float>(shade);
    for (int j = std::max(0, dy); j < std::min(height_, layer.height_ + dy); ++j) {
      for (int i = std::max(0, dx); i < std::min(width_, layer.width_ + dx); ++i) {
        const float* s = layer.pixel_at(i - dx, j - dy);
        if (s[3] <= 0) continue;
        over(pixel_at(i, j), Colour{s[0] * dim, s[1] * dim, s[2] * dim, s[3]}, k);
      }
    }
  }

  // Composites the layer's silhouette, blurred by `radius` design units and moved by
  // (dx, dy) device pixels, in `colour`: a drop shadow or a glow.
  void shadow(const Canvas& layer, int dx, int dy, double radius, Colour colour) {
    const int w = layer.width_;
    const int h = layer.height_;
    if (w == 0 || h == 0) return;
    std::vector<float> alpha(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < alpha.size(); ++i) alpha[i] = layer.px_[i * 4 + 3];
    const int r = std::max(1, static_cast<int>(std::lround(radius * scale_ / 2)));
    for (int pass = 0; pass < 2; ++pass) {
      box_blur(alpha, w, h, r, 1, w);
      box_blur(alpha, h, w, r, w, 1);
    }
    for (int j = std::max(0, dy); j < std::min(height_, h + dy); ++j) {
      for (int i = std::max(0, dx); i < std::min(width_, w + dx); ++i) {
        const float a = alpha[static_cast<std::size_t>(j - dy) * w + (i - dx)];
        if (a > 0) over(pixel_at(i, j), colour, a);
      }
    }
  }

  Image image() const {
    Image out(width_, height_);
    for (std::size_t i = 0; i < out.pixels.size(); ++i) {
      const float* p = &px_[i * 4];
      const auto byte = [](float v) {
        return static_cast<std::uint32_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f);
      };
      const std::uint32_t a = byte(p[3]);
      out.pixels[i] = a << 24 | std::min(a, byte(p[0])) << 16 | std::min(a, byte(p[1])) << 8 |
                      std::min(a, byte(p[2]));
    }
    return out;
  }

 private:
  // Calls `apply` for every pixel whose whole square lies inside `b`.
  template <class Apply>
  void for_inside(const Box& b, const Apply& apply) {
    const int i0 = clamp_to(std::ceil(b.x0 * scale_ + origin_.x), width_);
    const int i1 = clamp_to(std::floor(b.x1 * scale_ + origin_.x), width_);
    const int j0 = clamp_to(std::ceil(b.y0 * scale_ + origin_.y), height_);
    const int j1 = clamp_to(std::floor(b.y1 * scale_ + origin_.y), height_);
    for (int j = j0; j < j1; ++j) {
      const double y = (j + 0.5 - origin_.y) / scale_;
      float* out = pixel_at(std::min(i0, i1), j);
      for (int i = i0; i < i1; ++i, out += 4) apply(out, Vec{(i + 0.5 - origin_.x) / scale_, y});
    }
  }

  // Calls `apply` for every pixel of `bounds` (plus a margin for the edge) that the shape
  // covers, with the pixel's centre in design units and its coverage.
  // Pixels inside `skip` (design units) are left alone: an outline's hollow middle, or what
  // something opaque will cover anyway.
  template <class Shape, class Apply>
  void cover_each(const Box& bounds, const Shape& shape, double softness, const Apply& apply,
                  const Box& skip = {}) {
    const double ramp = std::max(1.0, softness * scale_);
    const double margin = ramp + 1;
    const int i0 = clamp_to(std::floor(bounds.x0 * scale_ + origin_.x - margin), width_);
    const int i1 = clamp_to(std::ceil(bounds.x1 * scale_ + origin_.x + margin), width_);
    const int j0 = clamp_to(std::floor(bounds.y0 * scale_ + origin_.y - margin), height_);
    const int j1 = clamp_to(std::ceil(bounds.y1 * scale_ + origin_.y + margin), height_);
    // The skipped pixels: those whose whole square lies inside `skip`.
    const int si0 = clamp_to(std::ceil(skip.x0 * scale_ + origin_.x), width_);
    const int si1 = std::max(si0, clamp_to(std::floor(skip.x1 * scale_ + origin_.x), width_));
    const int sj0 = clamp_to(std::ceil(skip.y0 * scale_ + origin_.y), height_);
    const int sj1 = clamp_to(std::floor(skip.y1 * scale_ + origin_.y), height_);
    for (int j = j0; j < j1; ++j) {
      const double y = (j + 0.5 - origin_.y) / scale_;
      const bool skipping = j >= sj0 && j < sj1 && si1 > si0;
      float* out = pixel_at(i0, j);
      for (int i = i0; i < i1; ++i, out += 4) {
        if (skipping && i >= si0 && i < si1) {
          out += (si1 - i) * 4;
          i = si1;
          if (i >= i1) break;
        }
        const Vec p{(i + 0.5 - origin_.x) / scale_, y};
        double cover = 0.5 - shape(p) * scale_ / ramp;
        if (cover <= 0) continue;
        if (cover > 1) cover = 1;
        if (softness > 0) cover = cover * cover * (3 - 2 * cover);
        apply(out, p, static_cast<float>(cover));
      }
    }
  }

  static int clamp_to(double v, int limit) {
    return static_cast<int>(std::clamp(v, 0.0, static_cast<double>(limit)));
  }

  // (One past the last pixel is a valid place to start an empty run.)
  float* pixel_at(int i, int j) {
    return px_.data() + (static_cast<std::size_t>(j) * width_ + i) * 4;
  }
  const float* pixel_at(int i, int j) const {
    return px_.data() + (static_cast<std::size_t>(j) * width_ + i) * 4;
  }

  // Source-over with premultiplied colours, the source scaled by `cover`.
  static void over(float* d, Colour c, float cover) {
    const float a = c.a * cover;
    const float keep = 1 - a;
    d[0] = c.r * cover + d[0] * keep;
    d[1] = c.g * cover + d[1] * keep;
    d[2] = c.b * cover + d[2] * keep;
    d[3] = a + d[3] * keep;
  }

  // Averages `count` lines of `n` values (step `along` between values, `across` between
  // lines) over a window of 2r + 1, treating what lies outside as empty.
  static void box_blur(std::vector<float>& v, int n, int count, int r, int along, int across) {
    std::vector<float> line(static_cast<std::size_t>(n));
    const float k = 1.0f / static_cast<float>(2 * r + 1);
    for (int l = 0; l < count; ++l) {
      float* base = &v[static_cast<std::size_t>(l) * across];
      for (int i = 0; i < n; ++i) line[i] = base[static_cast<std::size_t>(i) * along];
      float sum = 0;
      for (int i = 0; i < std::min(r, n); ++i) sum += line[i];
      for (int i = 0; i < n; ++i) {
        if (i + r < n) sum += line[i + r];
        if (i - r - 1 >= 0) sum -= line[i - r - 1];
        base[static_cast<std::size_t>(i) * along] = std::max(0.0f, sum * k);
      }
    }
  }

  int width_;
  int height_;
  double scale_;
  Vec origin_;
  std::vector<float> px_;
};

// A layer covering part of a canvas (the pixels under `b`), with the canvas's design
// coordinates, and where it goes on the canvas.
struct Part {
  Canvas layer;
  int x;
  int y;
};
Part part_of(const Canvas& c, const Box& b) {
  const double s = c.scale();
  const Vec o = c.origin();
  const int x0 = static_cast<int>(std::floor(b.x0 * s + o.x));
  const int y0 = static_cast<int>(std::floor(b.y0 * s + o.y));
  const int x1 = static_cast<int>(std::ceil(b.x1 * s + o.x));
  const int y1 = static_cast<int>(std::ceil(b.y1 * s + o.y));
  return {Canvas(x1 - x0, y1 - y0, s, {o.x - x0, o.y - y0}), x0, y0};
}

// A same-sized, empty layer for drawing parts of a picture on their own.
Canvas layer_like(const Canvas& c) { return Canvas(c.width(), c.height(), c.scale(), c.origin()); }

// ---- The palette ----

constexpr unsigned kDeepBlue = 0x17468C;
constexpr unsigned kBlue = 0x1F64B4;
constexpr unsigned kTeal = 0x118C9A;
constexpr unsigned kBrightTeal = 0x19B3AE;
constexpr unsigned kAmber = 0xF2B230;
constexpr unsigned kInk = 0x23344A;
constexpr unsigned kLine = 0x9DB0C6;

// ---- Lettering: a small monoline alphabet for the about banner ----

// A stroke of a letter in em units (cap height 1, baseline at y = 1): a segment a-b, or an
// arc about `a` of radius r from angle `from` sweeping `sweep` degrees.
struct Stroke {
  Vec a;
  Vec b;
  double r = 0;
  double from = 0;
  double sweep = 0;
};
constexpr Stroke seg(Vec a, Vec b) { return {a, b}; }
constexpr Stroke arc(Vec c, double r, double from, double sweep) { return {c, c, r, from, sweep}; }

// The strokes of one letter and how far the pen moves after it. Letters are geometric:
// bowls are circles of radius 0.34 sitting on the baseline.
double letter(char ch, std::vector<Stroke>& out) {
  constexpr Vec kBowl{0.34, 0.66};
  constexpr double kR = 0.34;
  const auto add = [&](std::initializer_list<Stroke> strokes) {
    out.insert(out.end(), strokes.begin(), strokes.end());
  };
  switch (ch) {
    case 'M':
      add({seg({0, 1}, {0, 0}), seg({0, 0}, {0.42, 0.64}), seg({0.42, 0.64}, {0.84, 0}),
           seg({0.84, 0}, {0.84, 1})});
      return 0.84;
    case 'o': add({arc(kBowl, kR, 0, 360)}); return 0.68;
    case 'r': add({seg({0, 0.32}, {0, 1}), arc(kBowl, kR, 180, 90)}); return 0.36;
    case 'v': add({seg({0, 0.32}, {0.31, 1}), seg({0.31, 1}, {0.62, 0.32})}); return 0.62;
    case 'a': add({arc(kBowl, kR, 0, 360), seg({0.68, 0.32}, {0.68, 1})}); return 0.68;
    case 'l': add({seg({0, 0}, {0, 1})}); return 0;
    case 'e': add({seg({0, 0.66}, {0.68, 0.66}), arc(kBowl, kR, 0, -318)}); return 0.68;
    case 'B':
      add({seg({0, 0}, {0, 1}), seg({0, 0}, {0.3, 0}), arc({0.3, 0.24}, 0.24, -90, 180),
           seg({0.3, 0.48}, {0, 0.48}), seg({0, 0.48}, {0.35, 0.48}),
           arc({0.35, 0.74}, 0.26, -90, 180), seg({0.35, 1}, {0, 1})});
      return 0.62;
    case 'T': add({seg({0, 0}, {0.72, 0}), seg({0.36, 0}, {0.36, 1})}); return 0.72;
    case 'V': add({seg({0, 0}, {0.36, 1}), seg({0.36, 1}, {0.72, 0})}); return 0.72;
    case '2':
      add({arc({0.3, 0.29}, 0.29, 195, 195), seg({0.551, 0.435}, {0, 1}), seg({0, 1}, {0.62, 1})});
      return 0.62;
    case '0':
      add({arc({0.31, 0.31}, 0.31, 180, 180), arc({0.31, 0.69}, 0.31, 0, 180),
           seg({0, 0.31}, {0, 0.69}), seg({0.62, 0.31}, {0.62, 0.69})});
      return 0.62;
    case '.': add({seg({0, 1}, {0, 1})}); return 0;
    default: return 0.1;  // a space
  }
}

// The strokes of `text` placed with its cap top-left at `at`, letters `em` high; returns the
// width it takes.
double lay_out(std::string_view text, Vec at, double em, double spacing, std::vector<Stroke>& out) {
  double x = 0;
  std::vector<Stroke> strokes;
  for (const char ch : text) {
    strokes.clear();
    const double advance = letter(ch, strokes);
    for (Stroke s : strokes) {
      s.a = Vec{at.x + (x + s.a.x) * em, at.y + s.a.y * em};
      s.b = Vec{at.x + (x + s.b.x) * em, at.y + s.b.y * em};
      s.r *= em;
      out.push_back(s);
    }
    x += advance + spacing;
  }
  return (x - spacing) * em;
}

// Draws `text` in strokes of width `w`.
void lettering(Canvas& c, std::string_view text, Vec at, double em, double w, double spacing,
               const Paint& paint) {
  std::vector<Stroke> strokes;
  const double width = lay_out(text, at, em, spacing, strokes);
  c.fill(
      Box{at.x, at.y, at.x + width, at.y + em}.grow(w),
      [&](Vec p) {
        double d = 1e9;
        for (const Stroke& s : strokes) {
          d = std::min(d, s.r > 0 ? d_arc(p, s.a, s.r, degrees(s.from), degrees(s.sweep))
                                  : d_segment(p, s.a, s.b));
        }
        return d - w / 2;
      },
      paint);
}

// ---- Shared motifs ----

// A sheet of paper with its top-right corner folded, with a 1-pixel border.
void sheet(Canvas& c, const Box& b, double fold, Colour top, Colour bottom, Colour border) {
  const std::initializer_list<Vec> outline = {
      {b.x0, b.y0}, {b.x1 - fold, b.y0}, {b.x1, b.y0 + fold}, {b.x1, b.y1}, {b.x0, b.y1}};
  const std::vector<Vec> v(outline);
  const double px = c.pixel();
  c.polygon(outline, vertical(b, top, bottom));
  // The border lies just inside the outline.
  c.fill(
      b, [&](Vec p) { return std::abs(sd_polygon(p, v) + px / 2) - px / 2; }, border);
  // The fold: a small triangle a shade darker, with its own edge.
  c.polygon({{b.x1 - fold, b.y0}, {b.x1 - fold, b.y0 + fold}, {b.x1, b.y0 + fold}},
            Paint({b.x1 - fold, b.y0 + fold}, rgb(0xDCE4EE), {b.x1, b.y0}, rgb(0xF7F9FC)));
  c.polyline({{b.x1 - fold + px / 2, b.y0},
              {b.x1 - fold + px / 2, b.y0 + fold - px / 2},
              {b.x1, b.y0 + fold - px / 2}},
             px, border);
}

// A download arrow (shaft and head) pointing down, centred on x, from y0 to y1.
void down_arrow(Canvas& c, double x, double y0, double y1, double w, const Paint& paint) {
  const double head = (y1 - y0) * 0.5;
  c.polyline({{x, y0}, {x, y1 - w * 0.3}}, w, paint);
  c.polyline({{x - head, y1 - head}, {x, y1}, {x + head, y1 - head}}, w, paint);
}

// The program's emblem: a rounded tile in the accent gradient with a white download arrow
// dropping into a tray, drawn in a box of side `s` at `at`; `detailed` adds a sheen and a
// light inner edge, for sizes where they show.
void emblem(Canvas& c, Vec at, double s, bool detailed) {
  const Box tile{at.x, at.y, at.x + s, at.y + s};
  const double r = s * 0.23;
  const double px = c.pixel();
  c.rect(tile, r,
         Paint({at.x, at.y}, {at.x + s, at.y + s},
               {{0, rgb(0x2C7BD9)}, {0.55, rgb(kBlue)}, {1, rgb(kTeal)}}));
  if (detailed) {
    // A soft sheen on the upper half and a light inner edge.
    c.fill(
        tile,
        [&](Vec p) {
          return std::max(sd_box(p, tile, r),
                          sd_circle(p, {at.x + s * 0.2, at.y - s * 0.9}, s * 1.45));
        },
        Paint({0, at.y}, rgb(0xFFFFFF, 0.22), {0, at.y + s * 0.55}, rgb(0xFFFFFF, 0.04)));
    c.rect_border(tile, r, px, vertical(tile, rgb(0xFFFFFF, 0.35), rgb(0xFFFFFF, 0.08)));
  }
  const double w = std::max(s * 0.11, 1.6 * px);
  down_arrow(c, at.x + s / 2, at.y + s * 0.2, at.y + s * 0.6, w, rgb(0xFFFFFF));
  c.polyline({{at.x + s * 0.24, at.y + s * 0.6},
              {at.x + s * 0.24, at.y + s * 0.76},
              {at.x + s * 0.76, at.y + s * 0.76},
              {at.x + s * 0.76, at.y + s * 0.6}},
             w, rgb(0xFFFFFF, 0.92));
}

// ---- The tool bar's glyphs, drawn in a 44 × 44 box ----

void glyph_open(Canvas& c) {
  const double px = c.pixel();
  // Folder back with its tab.
  const Paint back = vertical({0, 8, 0, 36}, rgb(0xE9A82A), rgb(0xC9820E));
  c.rect({7, 9, 19, 15}, 2, back);
  c.rect({7, 12, 37, 36}, 2.2, back);
  // The torrent file standing in the folder.
  sheet(c, {12, 5, 32, 30}, 6, rgb(0xFFFFFF), rgb(0xE9EFF6), rgb(0xA4B4C7));
  for (int i = 0; i < 3; ++i) {
    const double y = 11.5 + i * 3.5;
    c.line({15.5, y}, {i == 0 ? 24.0 : 28.5, y}, 1.4, rgb(kLine));
  }
  // The folder's front leaf, tipped open.
  const std::initializer_list<Vec> leaf = {{9.5, 20}, {40, 20}, {36.5, 36}, {6, 36}};
  c.polygon(leaf, Paint({0, 20}, rgb(0xFFD66B), {0, 36}, rgb(0xF1B02C)), 0.8);
  c.line({10.8, 20.6}, {38.6, 20.6}, px * 1.2, rgb(0xFFF1C4, 0.9));
}

void glyph_disk_search(Canvas& c) {
  const double px = c.pixel();
  const Vec lens{27.5, 16};
  const double lens_r = 8;
  // The drive, cut around the magnifier so the two read apart.
  const Box body{5, 19, 35, 36};
  c.rect(body, 3.5, vertical(body, rgb(0xFFFFFF), rgb(0xCFD9E4)));
  c.rect({5, 29, 35, 36}, 3.5, vertical({0, 29, 0, 36}, rgb(0xDDE5EE), rgb(0xBFCBD9)));
  c.rect_border(body, 3.5, px, rgb(0x8DA0B6));
  c.line({9, 32.5}, {18, 32.5}, 1.5, rgb(0x8DA0B6));
  c.circle({30, 32.5}, 3.6, rgb(0x22D3A6, 0.6), 3);
  c.circle({30, 32.5}, 1.9, rgb(0x22D3A6));
  c.erase({0, 0, 44, 44}, [&](Vec p) { return sd_circle(p, lens, lens_r + 3.6); });
  c.erase({0, 0, 44, 44}, [&](Vec p) {
    return d_segment(p, lens + Vec{5.6, 5.6}, {39.5, 29.5}) - 4.6;
  });
  // The magnifier: a glass with a light rim and a sturdy handle.
  c.circle(lens, lens_r,
           Paint({lens.x - 6, lens.y - 6}, rgb(0xE9FBFF, 0.92), {lens.x + 6, lens.y + 6},
                 rgb(0x9ADFF2, 0.75)));
  c.fill(
      {lens.x - 8, lens.y - 8, lens.x + 8, lens.y + 8},
      [&](Vec p) { return d_arc(p, lens, lens_r - 3.4, degrees(200), degrees(70)) - 0.9; },
      rgb(0xFFFFFF, 0.9));
  c.ring(lens, lens_r, 2.8, Paint({0, 8}, rgb(0xFFFFFF), {0, 24}, rgb(0xDCE6F0)));
  c.line(lens + Vec{6.4, 6.4}, {38.5, 28.5}, 4.4,
         Paint({30, 20}, rgb(0xFFFFFF), {39, 29}, rgb(0xC9D6E4)));
}

void glyph_report(Canvas& c) {
  const double px = c.pixel();
  sheet(c, {9, 4, 35, 39}, 7, rgb(0xFFFFFF), rgb(0xE9EFF6), rgb(0xA4B4C7));
  c.line({13, 10.5}, {24, 10.5}, 1.6, rgb(kBlue));
  c.line({13, 15}, {30, 15}, 1.3, rgb(kLine));
  c.line({13, 18.5}, {27, 18.5}, 1.3, rgb(kLine));
  // A bar chart standing on its base line.
  const struct {
    double x, top;
    unsigned colour;
  } bars[] = {{13.5, 28, 0x3D8BE8}, {19.5, 23, kBrightTeal}, {25.5, 26, kAmber}};
  for (const auto& b : bars) {
    c.rect({b.x, b.top, b.x + 4.5, 34.5}, 0.8,
           Paint({0, b.top}, rgb(b.colour), {0, 34}, mix(rgb(b.colour), rgb(0x000000), 0.18)));
  }
  c.line({12.5, 34.5 + px / 2}, {31.5, 34.5 + px / 2}, px, rgb(0x7D90A8));
}

void glyph_tools(Canvas& c) {
  const double px = c.pixel();
  // Two chain links along the diagonal, each passing over the other once.
  const double k = std::sqrt(0.5);
  const Vec axis{k, -k};
  const Vec a{16.5, 27.5};
  const Vec b{27.5, 16.5};
  const double half = 5.2;
  const double r = 6.3;
  const double w = 3.6;
  const auto link = [&](Vec centre) {
    return [=](Vec p) { return std::abs(sd_stadium(p, centre, axis, half, r)) - w / 2; };
  };
  const Paint metal({10, 10}, rgb(0xFFFFFF), {34, 34}, rgb(0xCBD7E4));
  const Paint edge(rgb(0x5E7795, 0.9));
  const auto draw_link = [&](Canvas& layer, Vec centre) {
    layer.fill({0, 0, 44, 44}, link(centre), metal);
    layer.fill(
        {0, 0, 44, 44},
        [&](Vec p) {
          return std::abs(std::abs(sd_stadium(p, centre, axis, half, r)) - w / 2 + px / 2) - px / 2;
        },
        edge);
  };
  // Each link gets a gap where the other passes in front of it: B in front at the
  // upper-left crossing (x + y < 44), A at the lower-right one. The halves meet on the links'
  // common axis, which crosses neither link near the other.
  const auto upper = [](Vec p) { return p.x + p.y - 44; };
  const auto gap = [&](Vec centre) {
    return [=](Vec p) { return std::abs(sd_stadium(p, centre, axis, half, r)) - w / 2 - 1.2; };
  };
  Canvas link_b = layer_like(c);
  draw_link(link_b, b);
  link_b.erase({0, 0, 44, 44}, [&](Vec p) { return std::max(gap(a)(p), -upper(p)); });
  draw_link(c, a);
  c.erase({0, 0, 44, 44}, [&](Vec p) { return std::max(gap(b)(p), upper(p)); });
  // B lies under A: A's gap shows B through it.
  Canvas both = layer_like(c);
  both.draw(link_b);
  both.draw(c);
  c = both;
}

}  // namespace

Image main_background(int width, int height, double scale) {
  Canvas c(width, height, scale);
  const double px = c.pixel();
  const double w = c.design_width();
  const double h = c.design_height();
  constexpr double kBandBottom = 87;
  constexpr double kStatusTop = 372;
  const Box page = c.snap({8, 107, 491, 371});
  const Box band = c.snap({0, 0, w, kBandBottom});
  const Box status = c.snap({0, kStatusTop, w, h});

  // The body between the bands: a cool light grey, a little darker towards the bottom. The
  // page covers its middle.
  c.rect_around({0, band.y1, w, status.y0}, 0,
                vertical({0, kBandBottom, 0, h}, rgb(0xE9EEF4), rgb(0xDEE5ED)), 0, page);

  // The top band: deep blue into teal, lit from the top, with a few large faint circles on
  // the right, where only two links sit.
  c.rect(band, 0,
         Paint({0, 0}, {w, kBandBottom},
               {{0, rgb(kDeepBlue)}, {0.5, rgb(0x1C5CA8)}, {1, rgb(0x0C6E80)}}));
  const auto in_band = [&](Vec centre, double r, double ring, Colour colour) {
    const Box bounds = intersect({centre.x - r, centre.y - r, centre.x + r, centre.y + r}, band);
    c.fill(
        bounds,
        [&](Vec p) {
          const double d = sd_circle(p, centre, r);
          return std::max(ring > 0 ? std::abs(d) - ring / 2 : d, sd_box(p, band, 0));
        },
        colour);
  };
  in_band({w - 40, -30}, 120, 0, rgb(0xFFFFFF, 0.05));
  in_band({w - 10, 95}, 70, 0, rgb(0xFFFFFF, 0.045));
  in_band({w - 230, 170}, 160, 1.2, rgb(0xFFFFFF, 0.09));
  in_band({60, 160}, 110, 0, rgb(0x0A2E66, 0.16));
  c.rect(band, 0, vertical(band, rgb(0xFFFFFF, 0.06), rgb(0x000000, 0.12)));
  // The title strip and the tool bar under it, parted by a faint line.
  c.rect(c.snap({0, 0, w, 22}), 0, rgb(0x0A2350, 0.16));
  c.rect(c.snap({0, 22, w, 23}), 0, rgb(0xFFFFFF, 0.10));
  // The version mark sits on a small pill.
  const Box pill = c.snap({152, 5, 192, 18});
  c.rect(pill, 6.5, rgb(0xFFFFFF, 0.16));
  c.rect_border(pill, 6.5, px, rgb(0xFFFFFF, 0.30));
  // The band's lower edge.
  c.rect(c.snap({0, kBandBottom - 1, w, kBandBottom}), 0, rgb(0x0B2F5E, 0.55));

  // The page area: a soft shadow, a 1-pixel frame and the page colour.
  c.rect_around(page.shift(0, 1.5), 3, rgb(0x1C3350, 0.14), 7, page);
  c.rect_border(page.grow(px), 2, px, rgb(0xBFCBD9));
  c.rect(page, 0, rgb(kPageColour));

  // The navigation strip: a light tab head whose lower edge opens into the page.
  const Box nav = c.snap({22, 88, 478, 108});
  const Box nav_shape{nav.x0, nav.y0, nav.x1, nav.y1 + 6};
  const auto above_page = [&](Vec p) { return p.y - nav.y1; };
  c.fill(
      nav, [&](Vec p) { return std::max(sd_box(p, nav_shape, 4), above_page(p)); },
      vertical(nav, rgb(0xFFFFFF), rgb(kPageColour)));
  const Box outline = nav_shape.grow(px / 2);
  c.fill(
      nav.grow(px),
      [&](Vec p) {
        return std::max(std::abs(sd_box(p, outline, 4.5)) - px / 2, above_page(p) + 2);
      },
      vertical(nav, rgb(0xB7C4D4), rgb(0xC9D4E0)));

  // The status band at the bottom, with a light top edge.
  c.rect(status, 0, vertical(status, rgb(0xEEF2F7), rgb(0xE0E6EE)));
  c.rect({0, status.y0, w, status.y0 + px}, 0, rgb(0xFFFFFF, 0.8));

  // The window's frame: a dark 1-pixel edge, with a faint light line inside it on the band.
  c.rect_border({0, 0, w, h}, 0, px, rgb(0x163A66));
  c.rect_border(band.grow(-px), 0, px, rgb(0xFFFFFF, 0.10));
  return c.image();
}

Image tool_picture(ToolPicture which, int width, int height, int caption_height, bool pressed) {
  const int area = std::max(1, height - std::max(0, caption_height));
  const double s = std::max(0.01, std::min(width / 62.0, area / 44.0));
  const Vec origin{std::round((width - 44 * s) / 2), std::round((area - 44 * s) / 2)};
  Canvas c(width, height, s, origin);
  const double px = c.pixel();

  // The button plate: faint glass when up, a darker hollow when pressed.
  const Box plate = c.snap({1, 1, 43, 43});
  if (pressed) {
    c.rect(plate, 8, vertical(plate, rgb(0x051C3D, 0.30), rgb(0x051C3D, 0.16)));
    c.rect_border(plate, 8, px, rgb(0xFFFFFF, 0.16));
  } else {
    c.rect(plate, 8, vertical(plate, rgb(0xFFFFFF, 0.16), rgb(0xFFFFFF, 0.05)));
    c.rect_border(plate, 8, px, vertical(plate, rgb(0xFFFFFF, 0.34), rgb(0xFFFFFF, 0.10)));
  }

  Canvas glyph = layer_like(c);
  switch (which) {
    case ToolPicture::kOpen: glyph_open(glyph); break;
    case ToolPicture::kDiskSearch: glyph_disk_search(glyph); break;
    case ToolPicture::kReport: glyph_report(glyph); break;
    case ToolPicture::kTools: glyph_tools(glyph); break;
  }
  const int shift = pressed ? std::max(1, static_cast<int>(std::lround(s))) : 0;
  const int drop = std::max(1, static_cast<int>(std::lround(s)));
  c.shadow(glyph, shift, shift + drop, 2.2, rgb(0x031A3A, 0.45));
  c.draw(glyph, shift, shift, 1, pressed ? 0.88 : 1);
  // The caption's rows stay clear even when a shadow reaches down into them.
  c.erase_rows(area, height);
  return c.image();
}

Image search_button_picture(int width, int height, bool pressed) {
  const double s = std::max(0.01, std::min(width / 60.0, height / 24.0));
  Canvas c(width, height, s);
  const double px = c.pixel();
  const Box face = c.snap({0, 0, c.design_width(), c.design_height()});
  if (pressed) {
    c.rect(face, 4, vertical(face, rgb(0xD3DDE9), rgb(0xE4EAF1)));
    c.rect_border(face, 4, px, rgb(0x8597AE));
  } else {
    c.rect(face, 4, vertical(face, rgb(0xFFFFFF), rgb(0xE3EAF2)));
    c.rect_border(face, 4, px, vertical(face, rgb(0xB3C1D1), rgb(0x98A9BE)));
    c.rect_border(face.grow(-px), 3, px, vertical(face, rgb(0xFFFFFF, 0.9), rgb(0xFFFFFF, 0)));
  }
  const double d = pressed ? px * std::max(1.0, std::round(s)) : 0;
  const Vec lens{12.5 + d, 10.5 + d};
  c.circle(lens, 4.6, rgb(0xD9F1FB, 0.9));
  c.ring(lens, 4.6, 1.9, rgb(kBlue));
  c.line(lens + Vec{3.6, 3.6}, lens + Vec{7.4, 7.4}, 2.6, rgb(kInk));
  return c.image();
}

Image about_picture(int width, int height) {
  const double s = std::max(0.01, std::min(width / 310.0, height / 139.0));
  Canvas c(width, height, s);
  const double w = c.design_width();
  const double h = c.design_height();
  const Box all{0, 0, w, h};

  // Ground: the accent gradient, with light falling from the upper left and a teal glow in
  // the lower right, crossed by two thin arcs.
  c.rect(all, 0,
         Paint({0, 0}, {w, h}, {{0, rgb(0x143E80)}, {0.55, rgb(kBlue)}, {1, rgb(0x0E8E98)}}));
  c.circle({40, -60}, 150, rgb(0xFFFFFF, 0.07));
  c.circle({w + 10, h + 40}, 110, rgb(0x2FD1C0, 0.18), 30);
  for (const auto& [r, alpha] : {std::pair{130.0, 0.14}, std::pair{104.0, 0.09}}) {
    const Vec centre{w - 50, h + 50};
    c.fill(
        intersect(Box{centre.x - r, centre.y - r, centre.x + r, centre.y + r}, all),
        [&](Vec p) { return std::abs(sd_circle(p, centre, r)) - 0.5; }, rgb(0xFFFFFF, alpha));
  }

  // The swarm on the right: peers joined to one seed, light lines and glowing dots.
  const Vec seed{272, 60};
  const Vec peers[] = {{244, 22}, {300, 16}, {304, 86}, {274, 118}, {238, 102}};
  for (std::size_t i = 0; i < std::size(peers); ++i) {
    c.line(seed, peers[i], 1.1, rgb(0xFFFFFF, 0.32));
    c.line(peers[i], peers[(i + 1) % std::size(peers)], 0.8, rgb(0xFFFFFF, 0.14));
  }
  c.line(peers[4], {206, 128}, 0.8, rgb(0xFFFFFF, 0.14));
  c.circle({206, 128}, 2.2, rgb(0xFFFFFF, 0.5));
  for (const Vec& p : peers) {
    c.circle(p, 7, rgb(0x7FF0E0, 0.25), 8);
    c.circle(p, 4, rgb(0xFFFFFF, 0.95));
    c.circle(p, 2, rgb(kBrightTeal));
  }
  c.circle(seed, 19, rgb(0x7FF0E0, 0.30), 16);
  c.circle(seed, 11.5, Paint({0, seed.y - 12}, rgb(0xFFFFFF), {0, seed.y + 12}, rgb(0xD8F4F4)));
  down_arrow(c, seed.x, seed.y - 5.5, seed.y + 5, 2.4, rgb(kTeal));

  // The emblem, lifted by a soft shadow, and the name.
  const Box mark_box{10, 28, 86, 104};
  Part mark = part_of(c, mark_box);
  emblem(mark.layer, {22, 36}, 50, true);
  c.shadow(mark.layer, mark.x, mark.y + static_cast<int>(std::lround(2 * s)), 6,
           rgb(0x04183A, 0.45));
  c.draw(mark.layer, mark.x, mark.y);
  lettering(c, "MorvaleBT", {88, 44}, 21, 2.9, 0.2, rgb(0xFFFFFF));
  lettering(c, "V 2.0", {89, 76}, 10, 1.7, 0.3, rgb(0xBFEFF0));
  c.line({89, 96}, {134, 96}, 2, Paint({89, 0}, rgb(kBrightTeal), {134, 0}, rgb(kBrightTeal, 0)));

  // A light edge at the top and a darker one at the bottom give the banner some depth.
  c.rect({0, 0, w, c.pixel()}, 0, rgb(0xFFFFFF, 0.25));
  c.rect({0, h - c.pixel(), w, h}, 0, rgb(0x000000, 0.18));
  return c.image();
}

Image busy_frame(int frame, int size) {
  const double s = std::max(0.01, size / 24.0);
  Canvas c(size, size, s);
  const Vec centre{12, 12};
  const double r = 8.2;
  const double w = 2.8;
  c.ring(centre, r, w, rgb(kBlue, 0.14));
  // A comet: the head turns 30 degrees a frame, its tail fading over three quarters of a turn.
  const int f = ((frame % kBusyFrames) + kBusyFrames) % kBusyFrames;
  const double head = degrees(-90.0 + f * 360.0 / kBusyFrames);
  const double tail = degrees(270);
  c.fill_with(
      {0, 0, 24, 24}, [&](Vec p) { return d_arc(p, centre, r, head, -tail) - w / 2; },
      [&](Vec p) {
        double behind = head - std::atan2(p.y - centre.y, p.x - centre.x);
        behind = std::fmod(behind, 2 * kPi);
        if (behind < 0) behind += 2 * kPi;
        // Outside the arc: the head's round end or the tail's, whichever is nearer.
        if (behind > tail) behind = behind > (tail + 2 * kPi) / 2 ? 0 : tail;
        const double t = 1 - behind / tail;
        return faded(mix(rgb(kBrightTeal), rgb(kBlue), t), std::pow(t, 1.6));
      });
  return c.image();
}

Image row_icon(int size) {
  const double s = std::max(0.01, size / 16.0);
  Canvas c(size, size, s);
  sheet(c, c.snap({2, 0.5, 13.5, 15.5}), 4, rgb(0xFFFFFF), rgb(0xE6EDF5), rgb(0x7E92AA));
  // The seed mark: a teal disc with a white arrow, on the page's lower right.
  const Vec seed{10.5, 11};
  c.circle(seed, 4.6, rgb(0xFFFFFF));
  c.circle(seed, 3.9, Paint({0, 7}, rgb(kBrightTeal), {0, 15}, rgb(kTeal)));
  down_arrow(c, seed.x, seed.y - 2.4, seed.y + 2.1, 1.2, rgb(0xFFFFFF));
  c.line({4.5, 4.5}, {8.5, 4.5}, 1, rgb(kLine));
  c.line({4.5, 7.5}, {9.5, 7.5}, 1, rgb(kLine));
  c.line({4.5, 10.5}, {5.5, 10.5}, 1, rgb(kLine));
  return c.image();
}

Image check_box(bool checked, int size) {
  const double s = std::max(0.01, size / 14.0);
  Canvas c(size, size, s);
  const double px = c.pixel();
  const Box b = c.snap({0, 0, 14, 14});
  if (checked) {
    c.rect(b, 3, vertical(b, rgb(0x3B86E0), rgb(kBlue)));
    c.rect_border(b, 3, px, rgb(0x174F94));
    c.polyline({{3.6, 7.3}, {6, 9.7}, {10.6, 4.6}}, 1.9, rgb(0xFFFFFF));
  } else {
    c.rect(b, 3, vertical(b, rgb(0xFFFFFF), rgb(0xEEF2F7)));
    c.rect_border(b, 3, px, rgb(0x8093AA));
  }
  return c.image();
}

Image app_icon(int size) {
  const double s = std::max(0.01, size / 48.0);
  Canvas c(size, size, s);
  const double px = c.pixel();
  const bool small = size < 24;
  // Small icons fill their square; large ones leave a pixel or two for the edge to breathe.
  const double inset = small ? 0 : 2;
  emblem(c, {inset, inset}, 48 - 2 * inset, !small);
  if (!small) {
    c.rect_border({inset, inset, 48 - inset, 48 - inset}, (48 - 2 * inset) * 0.23, px,
                  rgb(0x0B3266, 0.5));
  }
  return c.image();
}

}  // namespace art

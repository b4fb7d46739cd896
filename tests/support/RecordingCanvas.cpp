#include "support/RecordingCanvas.h"

#include <algorithm>

namespace tarvix::testing {

bool RecordingCanvas::SetFont(const Font& font) {
  if (font.escapement == failingEscapement) return false;
  font_ = font;
  return true;
}

RecordingCanvas::Call RecordingCanvas::Make(Op op) const {
  Call call{op, {}, {}, {}, pen_, brush_, font_, textColour_, align_, backgroundMode_};
  return call;
}

void RecordingCanvas::Line(Point from, Point to) {
  auto call = Make(Op::Line);
  call.points = {from, to};
  calls.push_back(call);
}

void RecordingCanvas::Polyline(const std::vector<Point>& points) {
  auto call = Make(Op::Polyline);
  call.points = points;
  calls.push_back(call);
}

void RecordingCanvas::Polygon(const std::vector<Point>& points) {
  auto call = Make(Op::Polygon);
  call.points = points;
  calls.push_back(call);
}

void RecordingCanvas::Rectangle(const Rect& rect) {
  auto call = Make(Op::Rectangle);
  call.rect = rect;
  calls.push_back(call);
}

void RecordingCanvas::Ellipse(const Rect& rect) {
  auto call = Make(Op::Ellipse);
  call.rect = rect;
  calls.push_back(call);
}

void RecordingCanvas::RoundRect(const Rect& rect, int cornerWidth, int cornerHeight) {
  auto call = Make(Op::RoundRect);
  call.rect = rect;
  call.points = {{cornerWidth, cornerHeight}};
  calls.push_back(call);
}

void RecordingCanvas::FillRect(const Rect& rect, Colour colour) {
  auto call = Make(Op::FillRect);
  call.rect = rect;
  call.brush = {colour, BrushStyle::Solid};
  calls.push_back(call);
}

void RecordingCanvas::InvertRect(const Rect& rect) {
  auto call = Make(Op::InvertRect);
  call.rect = rect;
  calls.push_back(call);
}

void RecordingCanvas::TextOut(Point at, const std::string& text) {
  auto call = Make(Op::TextOut);
  call.points = {at};
  call.text = text;
  calls.push_back(call);
}

void RecordingCanvas::DrawTextCentred(const Rect& box, const std::string& text) {
  auto call = Make(Op::DrawTextCentred);
  call.rect = box;
  call.text = text;
  calls.push_back(call);
}

Size RecordingCanvas::TextExtent(const std::string& text) {
  return {static_cast<int>(text.size()) * std::max(1, font_.height / 2), font_.height};
}

void RecordingCanvas::DrawImage(const Rect& dest, const ImageView&) {
  auto call = Make(Op::DrawImage);
  call.rect = dest;
  calls.push_back(call);
}

std::vector<RecordingCanvas::Call> RecordingCanvas::CallsOf(Op op) const {
  std::vector<Call> selected;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(selected),
               [op](const Call& call) { return call.op == op; });
  return selected;
}

std::vector<std::string> RecordingCanvas::Texts() const {
  std::vector<std::string> texts;
  for (const auto& call : calls)
    if (call.op == Op::TextOut || call.op == Op::DrawTextCentred) texts.push_back(call.text);
  return texts;
}

}  // namespace tarvix::testing

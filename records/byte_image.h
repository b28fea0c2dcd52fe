// Byte images of the packed records: any record type with `fields(v)` is
// written and read field by field in storage order (little-endian, no
// alignment, gaps as zero bytes on writing and skipped on reading).
#pragma once

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "records/types.h"

namespace dek {

namespace image_detail {

class Writer {
public:
    std::vector<std::uint8_t> out;

    void gap(std::size_t n) { out.insert(out.end(), n, 0); }

    template <class T>
    void operator()(const char* /*name*/, T& value) {
        put(value);
    }

private:
    void put_bytes(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        out.insert(out.end(), b, b + n);
    }
    template <class T>
    void put_le(T v) {
        using U = std::make_unsigned_t<T>;
        auto u = static_cast<U>(v);
        for (std::size_t k = 0; k < sizeof(T); ++k) out.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
    }
    template <class T>
    void put(T& value) {
        if constexpr (std::is_same_v<T, bool>) {
            out.push_back(value ? 1 : 0);
        } else if constexpr (std::is_same_v<T, std::uint8_t>) {
            out.push_back(value);
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
            put_le(value);
        } else if constexpr (std::is_same_v<T, double>) {
            auto b = real48_encode(value);
            put_bytes(b.data(), b.size());
        } else if constexpr (std::is_same_v<T, float>) {
            std::uint32_t bits;
            std::memcpy(&bits, &value, 4);
            put_le(bits);
        } else if constexpr (std::is_same_v<T, dt1>) {
            auto b = value.bytes();
            put_bytes(b.data(), b.size());
        } else if constexpr (is_text<T>::value) {
            const std::string& s = value.cp1250();
            out.push_back(static_cast<std::uint8_t>(s.size()));
            put_bytes(s.data(), s.size());
            out.insert(out.end(), T::capacity - s.size(), 0);
        } else if constexpr (is_arr<T>::value) {
            for (auto& item : value) put(item);
        } else {
            value.fields(*this);
        }
    }
};

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}

    void gap(std::size_t n) { take(n); }

    template <class T>
    void operator()(const char* /*name*/, T& value) {
        get(value);
    }

    std::size_t left() const { return static_cast<std::size_t>(end_ - p_); }

private:
    const std::uint8_t* p_;
    const std::uint8_t* end_;

    const std::uint8_t* take(std::size_t n) {
        if (left() < n) throw std::length_error("record image too short");
        const auto* at = p_;
        p_ += n;
        return at;
    }
    template <class T>
    T get_le() {
        const auto* b = take(sizeof(T));
        std::make_unsigned_t<T> u = 0;
        for (std::size_t k = 0; k < sizeof(T); ++k) u |= static_cast<std::make_unsigned_t<T>>(b[k]) << (8 * k);
        return static_cast<T>(u);
    }
    template <class T>
    void get(T& value) {
        if constexpr (std::is_same_v<T, bool>) {
            value = *take(1) != 0;
        } else if constexpr (std::is_same_v<T, std::uint8_t>) {
            value = *take(1);
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
            value = get_le<std::int32_t>();
        } else if constexpr (std::is_same_v<T, double>) {
            Real48Bytes b;
            std::memcpy(b.data(), take(6), 6);
            value = real48_decode(b);
        } else if constexpr (std::is_same_v<T, float>) {
            auto bits = get_le<std::uint32_t>();
            std::memcpy(&value, &bits, 4);
        } else if constexpr (std::is_same_v<T, dt1>) {
            std::array<std::uint8_t, 4> b;
            std::memcpy(b.data(), take(4), 4);
            value = dt1::from_bytes(b);
        } else if constexpr (is_text<T>::value) {
            const auto* b = take(T::byte_size);
            // A length byte beyond the field's width is corrupt data: clamp it.
            std::size_t len = b[0] > T::capacity ? T::capacity : b[0];
            value.set_cp1250(std::string(reinterpret_cast<const char*>(b + 1), len));
        } else if constexpr (is_arr<T>::value) {
            for (auto& item : value) get(item);
        } else {
            value.fields(*this);
        }
    }
};

}  // namespace image_detail

template <class R>
std::vector<std::uint8_t> to_bytes(const R& record) {
    image_detail::Writer w;
    const_cast<R&>(record).fields(w);  // the writer only reads the fields
    return w.out;
}

template <class R>
std::size_t image_size() {
    return to_bytes(R{}).size();
}

// Reads a record from exactly its image size of bytes; throws std::length_error otherwise.
template <class R>
R from_bytes(const std::uint8_t* data, std::size_t size) {
    R record{};
    image_detail::Reader r(data, size);
    record.fields(r);
    if (r.left() != 0) throw std::length_error("record image too long");
    return record;
}

template <class R>
R from_bytes(const std::vector<std::uint8_t>& bytes) {
    return from_bytes<R>(bytes.data(), bytes.size());
}

}  // namespace dek

// SPDX-License-Identifier: MIT
#pragma once

// Byte map of the module's EEPROM configuration image. Positions are 1-based,
// as the codec addresses them; offset(p) gives the 0-based index.
namespace ConfigImageLayout {

constexpr int ImageSize = 2048;
constexpr int CommandCount = 20;         // the command table's rows
constexpr int SmsFieldSize = 32;          // field k at positions 32k + 1 .. 32k + 32
constexpr int DefaultStateByte1Pos = 644; // RELE1..RELE4 in bits 0..3
constexpr int DefaultStateByte2Pos = 645; // RELE5 in bit 0
constexpr int FirstRecordPos = 656;       // record k at 656 + 3k .. 658 + 3k
constexpr int RecordSize = 3;
constexpr int DecodedLength = 715;        // the decoder reads positions 1..715 only
constexpr char FillByte = char(0xFF);
constexpr int MinTime = -32; // seconds, stored 0x00
constexpr int MaxTime = 95;  // seconds, stored 0x7F

constexpr int smsFieldPos(int row) { return SmsFieldSize * row + 1; }
constexpr int recordPos(int row) { return FirstRecordPos + RecordSize * row; }
constexpr int offset(int position) { return position - 1; }

// Runs of fill bytes between the data regions of an encoded image.
constexpr int FillAfterSms = 3;
constexpr int FillAfterDefaults = 10;
constexpr int FillAfterRecords = ImageSize - DecodedLength; // 1333

} // namespace ConfigImageLayout

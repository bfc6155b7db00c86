// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/atom_table_names.h"

#include <iterator>

namespace oza {

namespace {

// ATOM_MASTER_LIST_OF_DATA_TABLES.
const char* const kDataTables[] = {
    "UtilityPipeLine",
    "MultimediaCapabilityInfo",
    "MultimediaConfigInfo",
    "StandardVESA_Timing",
    "FirmwareInfo",
    "PaletteData",
    "LCD_Info",
    "DIGTransmitterInfo",
    "AnalogTV_Info",
    "SupportedDevicesInfo",
    "GPIO_I2C_Info",
    "VRAM_UsageByFirmware",
    "GPIO_Pin_LUT",
    "VESA_ToInternalModeLUT",
    "ComponentVideoInfo",
    "PowerPlayInfo",
    "CompassionateData",
    "SaveRestoreInfo",
    "PPLL_SS_Info",
    "OemInfo",
    "XTMDS_Info",
    "MclkSS_Info",
    "Object_Header",
    "IndirectIOAccess",
    "MC_InitParameter",
    "ASIC_VDDC_Info",
    "ASIC_InternalSS_Info",
    "TV_VideoMode",
    "VRAM_Info",
    "MemoryTrainingInfo",
    "IntegratedSystemInfo",
    "ASIC_ProfilingInfo",
    "VoltageObjectInfo",
    "PowerSourceInfo",
};

// ATOM_MASTER_LIST_OF_COMMAND_TABLES.
const char* const kCommandTables[] = {
    "ASIC_Init",
    "GetDisplaySurfaceSize",
    "ASIC_RegistersInit",
    "VRAM_BlockVenderDetection",
    "DIGxEncoderControl",
    "MemoryControllerInit",
    "EnableCRTCMemReq",
    "MemoryParamAdjust",
    "DVOEncoderControl",
    "GPIOPinControl",
    "SetEngineClock",
    "SetMemoryClock",
    "SetPixelClock",
    "EnableDispPowerGating",
    "ResetMemoryDLL",
    "ResetMemoryDevice",
    "MemoryPLLInit",
    "AdjustDisplayPll",
    "AdjustMemoryController",
    "EnableASIC_StaticPwrMgt",
    "SetUniphyInstance",
    "DAC_LoadDetection",
    "LVTMAEncoderControl",
    "HW_Misc_Operation",
    "DAC1EncoderControl",
    "DAC2EncoderControl",
    "DVOOutputControl",
    "CV1OutputControl",
    "GetConditionalGoldenSetting",
    "TVEncoderControl",
    "PatchMCSetting",
    "MC_SEQ_Control",
    "Gfx_Harvesting",
    "EnableScaler",
    "BlankCRTC",
    "EnableCRTC",
    "GetPixelClock",
    "EnableVGA_Render",
    "GetSCLKOverMCLKRatio",
    "SetCRTC_Timing",
    "SetCRTC_OverScan",
    "SetCRTC_Replication",
    "SelectCRTC_Source",
    "EnableGraphSurfaces",
    "UpdateCRTC_DoubleBufferRegisters",
    "LUT_AutoFill",
    "EnableHW_IconCursor",
    "GetMemoryClock",
    "GetEngineClock",
    "SetCRTC_UsingDTDTiming",
    "ExternalEncoderControl",
    "LVTMAOutputControl",
    "VRAM_BlockDetectionByStrap",
    "MemoryCleanUp",
    "ProcessI2cChannelTransaction",
    "WriteOneByteToHWAssistedI2C",
    "ReadHWAssistedI2CStatus",
    "SpeedFanControl",
    "PowerConnectorDetection",
    "MC_Synchronization",
    "ComputeMemoryEnginePLL",
    "MemoryRefreshConversion",
    "VRAM_GetCurrentInfoBlock",
    "DynamicMemorySettings",
    "MemoryTraining",
    "EnableSpreadSpectrumOnPPLL",
    "TMDSAOutputControl",
    "SetVoltage",
    "DAC1OutputControl",
    "DAC2OutputControl",
    "ComputeMemoryClockParam",
    "ClockSource",
    "MemoryDeviceInit",
    "GetDispObjectInfo",
    "DIG1EncoderControl",
    "DIG2EncoderControl",
    "DIG1TransmitterControl",
    "DIG2TransmitterControl",
    "ProcessAuxChannelTransaction",
    "DPEncoderService",
    "GetVoltageInfo",
};

template <std::size_t N>
std::string nameIn(const char* const (&names)[N], int index, const char* kind) {
  if (index >= 0 && index < static_cast<int>(N)) return names[index];
  return std::string(kind) + " " + std::to_string(index);
}

}  // namespace

std::string dataTableName(int index) { return nameIn(kDataTables, index, "Data table"); }
std::string commandTableName(int index) { return nameIn(kCommandTables, index, "Command table"); }

}  // namespace oza

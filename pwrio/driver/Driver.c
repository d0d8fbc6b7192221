/* pwrio.sys: the simulated hardware-access driver behind \\.\PWRIO. */
#include <ddk/wdm.h>

#include "Answer.h"

#define POOL_TAG 0x6F697250u /* "Prio" in pool listings */

static const WCHAR kDeviceName[] = L"\\Device\\PWRIO";
static const WCHAR kLinkName[] = L"\\DosDevices\\PWRIO";
static const WCHAR kParametersSuffix[] = L"\\Parameters";

typedef struct DEVICE_EXTENSION {
    UNICODE_STRING ParametersPath; /* the service key's Parameters subkey, in pool memory */
} DEVICE_EXTENSION;

DRIVER_INITIALIZE DriverEntry;

static NTSTATUS Complete(PIRP irp, NTSTATUS status, ULONG_PTR information)
{
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static NTSTATUS NTAPI OnCreateClose(PDEVICE_OBJECT device, PIRP irp)
{
    UNREFERENCED_PARAMETER(device);
    return Complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS NTAPI OnDeviceControl(PDEVICE_OBJECT device, PIRP irp)
{
    const PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    const DEVICE_EXTENSION *extension = device->DeviceExtension;
    FIRMWARE firmware;
    ULONG_PTR answered;
    NTSTATUS status;

    if (stack->Parameters.DeviceIoControl.IoControlCode != PWRIO_IOCTL_EXCHANGE)
        return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    FirmwareRead(&extension->ParametersPath, &firmware);
    /* Buffered transfer: one system buffer holds the request and receives the answer, and it
       is as long as the longer of the two lengths the stack location gives. */
    status = AnswerBlock(&firmware, stack->Parameters.DeviceIoControl.InputBufferLength,
                         stack->Parameters.DeviceIoControl.OutputBufferLength, irp->AssociatedIrp.SystemBuffer,
                         &answered);
    return Complete(irp, status, answered);
}

static void DeleteDevice(PDEVICE_OBJECT device)
{
    DEVICE_EXTENSION *extension = device->DeviceExtension;

    if (extension->ParametersPath.Buffer)
        ExFreePoolWithTag(extension->ParametersPath.Buffer, POOL_TAG);
    IoDeleteDevice(device);
}

static void NTAPI OnUnload(PDRIVER_OBJECT driver)
{
    UNICODE_STRING link;

    RtlInitUnicodeString(&link, kLinkName);
    IoDeleteSymbolicLink(&link);
    if (driver->DeviceObject)
        DeleteDevice(driver->DeviceObject);
}

static NTSTATUS MakeParametersPath(PCUNICODE_STRING registryPath, PUNICODE_STRING path)
{
    const ULONG length = registryPath->Length + sizeof(kParametersSuffix);

    if (length > MAXUSHORT)
        return STATUS_INVALID_PARAMETER;
    path->Buffer = ExAllocatePoolWithTag(PagedPool, length, POOL_TAG);
    if (!path->Buffer)
        return STATUS_INSUFFICIENT_RESOURCES;
    path->Length = 0;
    path->MaximumLength = (USHORT)length;
    RtlCopyUnicodeString(path, registryPath);
    return RtlAppendUnicodeToString(path, kParametersSuffix);
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath)
{
    UNICODE_STRING deviceName;
    UNICODE_STRING link;
    PDEVICE_OBJECT device = NULL;
    NTSTATUS status;

    RtlInitUnicodeString(&deviceName, kDeviceName);
    RtlInitUnicodeString(&link, kLinkName);

    status = IoCreateDevice(driver, sizeof(DEVICE_EXTENSION), &deviceName, FILE_DEVICE_UNKNOWN,
                            FILE_DEVICE_SECURE_OPEN, FALSE, &device);
    if (!NT_SUCCESS(status))
        return status;
    RtlZeroMemory(device->DeviceExtension, sizeof(DEVICE_EXTENSION));

    status = MakeParametersPath(registryPath, &((DEVICE_EXTENSION *)device->DeviceExtension)->ParametersPath);
    if (NT_SUCCESS(status))
        status = IoCreateSymbolicLink(&link, &deviceName);
    if (!NT_SUCCESS(status)) {
        DeleteDevice(device);
        return status;
    }

    driver->MajorFunction[IRP_MJ_CREATE] = OnCreateClose;
    driver->MajorFunction[IRP_MJ_CLEANUP] = OnCreateClose;
    driver->MajorFunction[IRP_MJ_CLOSE] = OnCreateClose;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = OnDeviceControl;
    driver->DriverUnload = OnUnload;
    return STATUS_SUCCESS;
}
